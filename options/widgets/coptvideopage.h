#pragma once

#include "core/encodingparams.h"
#include "options/widgets/optionspage.h"

class ColourList;
class QComboBox;
class QLineEdit;
class SpinButtons;
struct SelectorFill;

// The "Audio Options" page of the Options sheet: the encoding parameters of
// one format at a time, chosen with the page's own format selector.
class COptVideoPage : public OptionsPage {
    Q_OBJECT

public:
    explicit COptVideoPage(QWidget *parent = nullptr);

    // The page's own copy of the 16 records and the format it shows first.
    void setRecords(const EncodingParamsSet &records, int format);
    const EncodingParamsSet &records() const { return m_records; }
    // The format the page shows, and that format's record.
    int format() const { return m_format; }
    const EncodingParams &record() const;

    bool leave() override;

protected:
    void setUp() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void fillControls();
    void onFormatChanged(int row);
    void onStep(int direction);
    // Stores the controls into the record of the selected format; false when
    // the volume box holds no integer (the user has been told).
    bool storeControls();

    EncodingParamsSet m_records;
    int m_format = 0;
    bool m_filling = false;

    ColourList *m_formatList = nullptr;
    QComboBox *m_codecList = nullptr;
    QComboBox *m_bitRateBox = nullptr;
    QComboBox *m_sampleRateBox = nullptr;
    QComboBox *m_channelList = nullptr;
    QLineEdit *m_volumeBox = nullptr;
    SpinButtons *m_volumeSpin = nullptr;
};
