#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/encodingparams.h"

// The rules of the Audio Options page over plain control values, so that the
// page itself only moves values between these and its widgets.

// One row of a selector: its text and its item data.
struct SelectorRow {
    std::string text;
    int data = 0;
};

// What a selector shows for a format and a record. A disabled selector is
// empty. Drop-down lists use selected; selectors with an edit field show
// editText.
struct SelectorFill {
    bool enabled = false;
    std::vector<SelectorRow> rows;
    int selected = -1;
    std::string editText;
};

// The format selector's texts: " " and the display name, in index order.
std::vector<std::string> formatSelectorTexts();

// Rows of the format's codecs found in the codec table, each with its table
// position; the record's codec is selected, else row 0.
SelectorFill codecSelectorFill(int format, const EncodingParams &record);
// "Auto" and the format's bit rates; the edit field shows the record's bit
// rate as stored, or "Auto" when it is empty.
SelectorFill bitRateSelectorFill(int format, const EncodingParams &record);
// The same for sample rates.
SelectorFill sampleRateSelectorFill(int format, const EncodingParams &record);
// "Auto" and the format's channel counts; the record's count is selected, else "Auto".
SelectorFill channelSelectorFill(int format, const EncodingParams &record);

// The control values read when the page stores its record.
struct AudioControlValues {
    int formatRow = -1;                 // selected row of the format selector
    std::optional<int> codecData;       // item data of the selected codec row
    std::string bitRateText;            // the bit-rate selector's edit field
    std::string sampleRateText;         // the sample-rate selector's edit field
    std::optional<std::string> channelText; // text of the selected channel row
    int volume = 0;                     // the volume box's integer
};

// Stores the control values into the record of the selected format, which
// becomes pageFormat. A row outside 0..15 stores nothing and returns false.
bool storeAudioControls(const AudioControlValues &values, EncodingParamsSet &records,
                        int &pageFormat);

// The volume box's integer: digits with blanks allowed around them and an
// optional minus sign; none when the box holds no number or one too large for
// an int.
std::optional<int> parseVolumeText(const std::string &text);

// The volume after one click of its spin in direction (+1 up, -1 down): ten
// per click, kept within 10..3000. A box without a number counts as 0.
int steppedVolume(std::optional<int> current, int direction);

constexpr int kVolumeMin = 10;
constexpr int kVolumeMax = 3000;
constexpr int kVolumeStep = 10;
