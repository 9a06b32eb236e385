#include "options/widgets/coptoutputpage.h"

#include "options/widgets/pagecontrols.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "core/formatcatalogue.h"
#include "options/loudnessoptions.h"
#include "options/widgets/dialogunits.h"
#include "platform/bytetext.h"
#include "ui/textfit.h"
#include "ui/userprompts.h"
#include "ui/waitcursor.h"

namespace {

using pagecontrols::label;
using pagecontrols::place;

const char *const kExample = QT_TRANSLATE_NOOP(
    "COptOutputPage",
    "For example: original file is \"/home/user/Music/pop/1.mp3\" and output folder is "
    "\"/media/output.\" If the option is checked, the output folder will be "
    "\"/media/output/home/user/Music/pop.\"");

// The edit boxes carry bytes that are not UTF-8 unchanged.
QString fromBytes(const std::string &text)
{
    return textFromBytes(text);
}

std::string toBytes(const QString &text)
{
    return bytesFromText(text);
}

void etchedLine(QWidget *parent, const QRect &rect)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(rect.x(), rect.y(), rect.width(), 2);
}

void icon(QWidget *parent, QStyle::StandardPixmap pixmap, const char *name, const QRect &rect)
{
    auto *image = place(new QLabel(parent), name, rect);
    const int side = std::min(rect.width(), rect.height());
    image->setPixmap(parent->style()->standardIcon(pixmap).pixmap(side, side));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

template <typename Choice>
void fillList(QComboBox *list, std::span<const ChoiceRow<Choice>> rows)
{
    for (const ChoiceRow<Choice> &row : rows)
        list->addItem(QCoreApplication::translate("Options", row.text), static_cast<int>(row.choice));
}

template <typename Choice>
Choice choiceAt(const QComboBox *list, int row)
{
    return static_cast<Choice>(list->itemData(row).toInt());
}

} // namespace

COptOutputPage::COptOutputPage(QWidget *parent)
    : OptionsPage(parent)
{
    setFont(optionsFont());
    setFixedSize(dluSize(368, 318));
    createControls();
}

void COptOutputPage::createControls()
{
    // Created top to bottom: the creation order is the tab order. The output
    // column's controls share one left edge, past the longest label; each
    // label is centred on the control it names.
    label(this, tr("General"), "generalHeading", dluRect(7, 7, 28, 10));
    etchedLine(this, dluRect(37, 11, 324, 1));
    icon(this, QStyle::SP_FileDialogContentsView, "generalIcon", dluRect(12, 20, 21, 20));

    m_filterCheck = place(
        new QCheckBox(tr("O&nly add the following file extensions for \"Add Folder\" and Drag/Drop"),
                      this),
        "filterCheck", dluRect(44, 24, 238, 10));
    m_filterEdit = place(new QLineEdit(this), "filterEdit", dluRect(56, 40, 301, 14));
    // No label stands before the box: the check box above it says what it holds.
    m_filterEdit->setAccessibleName(tr("File extensions"));
    label(this,
          tr("Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac"),
          "filterNote", dluRect(56, 58, 306, 10));

    label(this, tr("Output"), "outputHeading", dluRect(7, 84, 26, 10));
    etchedLine(this, dluRect(35, 88, 326, 1));
    icon(this, QStyle::SP_DirIcon, "outputIcon", dluRect(9, 99, 21, 20));

    QLabel *folderLabel = label(this, tr("&Output folder:"), "folderLabel", dluRect(44, 99, 50, 10));
    m_folderList = place(new QComboBox(this), "folderList", dluRect(137, 97, 219, 14));
    folderLabel->setBuddy(m_folderList);

    m_customFolderLabel =
        label(this, tr("Custom &folder:"), "customFolderLabel", dluRect(44, 117, 48, 10));
    m_customFolderEdit =
        place(new QLineEdit(this), "customFolderEdit", dluRect(137, 115, 175, 14));
    m_customFolderLabel->setBuddy(m_customFolderEdit);
    m_browseButton = place(new QPushButton(tr("Bro&wse"), this), "browseButton",
                           dluRect(315, 115, 41, 14));
    m_browseButton->setAutoDefault(false);

    m_createDirsCheck = place(
        new QCheckBox(tr("&Create folders according to path of original file"), this),
        "createDirsCheck", dluRect(137, 135, 219, 10));
    m_exampleLabel = label(this, tr(kExample), "exampleLabel", dluRect(137, 146, 219, 28));
    m_exampleLabel->setTextFormat(Qt::PlainText);
    m_exampleLabel->setWordWrap(true);

    QLabel *targetLabel =
        label(this, tr("If target file &exists "), "targetExistsLabel", dluRect(44, 181, 90, 10));
    m_targetExistsList =
        place(new QComboBox(this), "targetExistsList", dluRect(137, 179, 219, 14));
    targetLabel->setBuddy(m_targetExistsList);

    m_myDocumentsCheck = place(
        new QCheckBox(
            tr("Output files to the &Documents folder if creating file failure"), this),
        "myDocumentsCheck", dluRect(44, 197, 308, 10));
    m_browseOutputCheck = place(
        new QCheckBox(tr("&Browse output folder while conversion completes"), this),
        "browseOutputCheck", dluRect(44, 212, 308, 10));

    QLabel *simultaneousLabel = label(this, tr("Simultaneous con&versions:"), "simultaneousLabel",
                                      dluRect(44, 229, 90, 10));
    m_simultaneousList = place(new QComboBox(this), "simultaneousList", dluRect(137, 227, 60, 14));
    simultaneousLabel->setBuddy(m_simultaneousList);
    // "Auto" is one per processor core; the stored value 0 stands for it.
    m_simultaneousList->addItem(tr("Auto"), 0);
    for (int n = 1; n <= kMaxSimultaneousConversions; ++n)
        m_simultaneousList->addItem(QString::number(n), n);

    createLoudnessControls();
    textfit::fitTexts(this);

    connect(m_filterCheck, &QCheckBox::clicked, this, &COptOutputPage::onFilterClicked);
    connect(m_browseButton, &QPushButton::clicked, this, &COptOutputPage::onBrowse);
}

void COptOutputPage::createLoudnessControls()
{
    label(this, tr("Loudness"), "loudnessHeading", dluRect(7, 250, 32, 10));
    etchedLine(this, dluRect(41, 254, 320, 1));
    icon(this, QStyle::SP_MediaVolume, "loudnessIcon", dluRect(12, 263, 21, 20));

    QLabel *modeLabel = label(this, tr("&Mode:"), "loudnessLabel", dluRect(44, 265, 50, 10));
    m_loudnessList = place(new QComboBox(this), "loudnessList", dluRect(137, 263, 112, 14));
    modeLabel->setBuddy(m_loudnessList);
    fillList(m_loudnessList, loudnessRows());
    m_loudnessList->setToolTip(tr("ReplayGain tags let players even out the loudness (reference -18 LUFS); normalising "
        "changes the audio itself, with one gain per track or album, and tags it as well."));

    QLabel *targetLabel = label(this, tr("&Target:"), "loudnessTargetLabel", dluRect(256, 265, 30, 10));
    m_loudnessTargetEdit = place(new QLineEdit(this), "loudnessTargetEdit", dluRect(288, 263, 32, 14));
    targetLabel->setBuddy(m_loudnessTargetEdit);
    label(this, QStringLiteral("LUFS"), "loudnessUnitLabel", dluRect(324, 265, 24, 10));
    m_loudnessTargetEdit->setToolTip(tr("The loudness normalised audio is brought to, -31 to -5 LUFS; it is lowered further where "
        "the true peak would pass -1 dBTP. The format's own volume applies after it."));

    m_loudnessAlbumCheck = place(
        new QCheckBox(tr("Normalise each album with one &gain (same album tag)"), this),
        "loudnessAlbumCheck", dluRect(137, 282, 219, 10));

    m_loudnessNote = label(this, "", "loudnessNote", dluRect(137, 296, 219, 18));
    m_loudnessNote->setTextFormat(Qt::PlainText);
    m_loudnessNote->setWordWrap(true);

    connect(m_loudnessList, &QComboBox::currentIndexChanged, this, [this] { updateLoudnessControls(); });
}

void COptOutputPage::setOutputFormat(std::function<int()> currentFormat)
{
    m_currentFormat = std::move(currentFormat);
}

void COptOutputPage::showEvent(QShowEvent *event)
{
    OptionsPage::showEvent(event);
    updateLoudnessControls();
}

// The target and the album choice matter only when normalising; the note only when
// tags are asked for in a format without a place for them.
void COptOutputPage::updateLoudnessControls()
{
    const int mode = m_loudnessList->currentData().toInt();
    m_loudnessTargetEdit->setEnabled(mode == 2);
    m_loudnessAlbumCheck->setEnabled(mode == 2);
    const int format = m_currentFormat ? m_currentFormat() : -1;
    const bool noted = mode != 0 && !loudnessTagNote(format).empty();
    m_loudnessNote->setText(noted ? QCoreApplication::translate("Options", kLoudnessTagNote)
                                        .arg(QString::fromUtf8(formatEntry(format).displayName))
                                  : QString());
    // Two lines hold it in English; a longer language may need more.
    m_loudnessNote->setToolTip(m_loudnessNote->text());
}

void COptOutputPage::setOptions(const GeneralOptions &options)
{
    m_options = options;
    if (isSetUp())
        writeControls();
}

void COptOutputPage::setUp()
{
    writeControls();

    fillList(m_folderList, outputFolderRows());
    int row = rowOfChoice(outputFolderRows(), m_options.DestOutputFolderOpt);
    if (row < 0) {
        row = 0;
        m_options.DestOutputFolderOpt = outputFolderRows()[0].choice;
    }
    m_folderList->setCurrentIndex(row);
    enableCustomFolder(m_options.DestOutputFolderOpt == OutputFolder::Custom);
    connect(m_folderList, &QComboBox::currentIndexChanged, this,
            &COptOutputPage::onFolderChoiceChanged);

    fillList(m_targetExistsList, targetExistsRows());
    row = rowOfChoice(targetExistsRows(), m_options.TargetExistsOpt);
    if (row < 0) {
        row = 0;
        m_options.TargetExistsOpt = targetExistsRows()[0].choice;
    }
    m_targetExistsList->setCurrentIndex(row);

    if (m_options.EnableExtFilter == 0)
        m_filterEdit->setEnabled(false);
}

void COptOutputPage::readControls()
{
    m_options.DestSpecifiedFolder = toBytes(m_customFolderEdit->text());
    m_options.CreateDirs = m_createDirsCheck->isChecked() ? 1 : 0;
    m_options.BrowseOutputFolder = m_browseOutputCheck->isChecked() ? 1 : 0;
    m_options.OutputFiles2MyDocuments = m_myDocumentsCheck->isChecked() ? 1 : 0;
    m_options.FilterExts = toBytes(m_filterEdit->text());
    m_options.EnableExtFilter = m_filterCheck->isChecked() ? 1 : 0;
    m_options.SimultaneousConversions = m_simultaneousList->currentData().toInt();
    // A stored number the list does not show stays as it is until another row is picked.
    if (m_loudnessList->currentIndex() >= 0)
        m_options.Loudness = m_loudnessList->currentData().toInt();
    m_options.LoudnessAlbum = m_loudnessAlbumCheck->isChecked() ? 1 : 0;
}

void COptOutputPage::writeControls()
{
    m_customFolderEdit->setText(fromBytes(m_options.DestSpecifiedFolder));
    m_createDirsCheck->setChecked(m_options.CreateDirs != 0);
    m_browseOutputCheck->setChecked(m_options.BrowseOutputFolder != 0);
    m_myDocumentsCheck->setChecked(m_options.OutputFiles2MyDocuments != 0);
    m_filterEdit->setText(fromBytes(m_options.FilterExts));
    m_filterCheck->setChecked(m_options.EnableExtFilter != 0);
    const int simultaneous = m_simultaneousList->findData(m_options.SimultaneousConversions);
    m_simultaneousList->setCurrentIndex(simultaneous >= 0 ? simultaneous : 0);
    m_loudnessList->setCurrentIndex(m_loudnessList->findData(effectiveLoudness(m_options.Loudness)));
    m_loudnessTargetEdit->setText(QString::number(effectiveLoudnessTarget(m_options.LoudnessTarget)));
    m_loudnessAlbumCheck->setChecked(m_options.LoudnessAlbum != 0);
    updateLoudnessControls();
}

void COptOutputPage::enableCustomFolder(bool enable)
{
    m_customFolderEdit->setEnabled(enable);
    m_browseButton->setEnabled(enable);
    m_createDirsCheck->setEnabled(enable);
    m_exampleLabel->setEnabled(enable);
}

void COptOutputPage::onFilterClicked()
{
    readControls();
    const bool on = m_filterCheck->isChecked();
    m_filterEdit->setEnabled(on);
    if (on)
        m_filterEdit->setFocus();
}

void COptOutputPage::onFolderChoiceChanged(int row)
{
    if (row < 0)
        return;
    enableCustomFolder(choiceAt<OutputFolder>(m_folderList, row) == OutputFolder::Custom);
}

void COptOutputPage::onBrowse()
{
    readControls();
    // The chooser is a window of its own and gets the ordinary cursor; the wait
    // cursor covers the work around it.
    // The chooser sees the file system's names as Qt decodes them; a start
    // folder picked as it stands keeps its own bytes.
    const std::string start = chooserStartFolder(m_options.DestSpecifiedFolder);
    const QString shownStart = displayText(start);
    const QString picked = userPrompts().chooseFolder(
        this, tr("Please choose an output folder:"), shownStart);
    WaitCursor wait;
    const std::string folder = customFolderFromChoice(
        !picked.isEmpty() && picked == shownStart ? start : QFile::encodeName(picked).toStdString());
    if (folder.empty())
        return;
    m_options.DestSpecifiedFolder = folder;
    writeControls();
}

bool COptOutputPage::leave()
{
    readControls();
    const int folderRow = m_folderList->currentIndex();
    if (folderRow >= 0)
        m_options.DestOutputFolderOpt = choiceAt<OutputFolder>(m_folderList, folderRow);

    const int targetRow = m_targetExistsList->currentIndex();
    const TargetExists targetExists =
        targetRow >= 0 ? choiceAt<TargetExists>(m_targetExistsList, targetRow) : m_options.TargetExistsOpt;
    const GeneralLeaveCheck check = checkGeneralLeaving(m_options, targetExists);
    if (check == GeneralLeaveCheck::Ok) {
        // The target is checked only when normalising: otherwise it is not used.
        if (m_options.Loudness != 2)
            return true;
        const LoudnessTargetCheck target =
            checkLoudnessTarget(toBytes(m_loudnessTargetEdit->text()), m_options.LoudnessTarget);
        if (target == LoudnessTargetCheck::Ok)
            return true;
        userPrompts().message(this, QCoreApplication::translate("Options", loudnessTargetMessage(target)), UserPrompts::Icon::Warning);
        m_loudnessTargetEdit->setFocus();
        return false;
    }

    userPrompts().message(this, QCoreApplication::translate("Options", generalLeaveMessage(check)),
                          UserPrompts::Icon::Warning);
    if (check == GeneralLeaveCheck::NeedOutputFolder || check == GeneralLeaveCheck::FolderTooLong)
        m_customFolderEdit->setFocus();
    else
        m_filterEdit->setFocus();
    return false;
}
