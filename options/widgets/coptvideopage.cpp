#include "options/widgets/coptvideopage.h"

#include "options/widgets/pagecontrols.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "options/audiooptionsrules.h"
#include "options/widgets/dialogunits.h"
#include "options/widgets/speakericon.h"
#include "options/widgets/spinbuttons.h"
#include "ui/colourlist.h"
#include "ui/textfit.h"
#include "ui/userprompts.h"

namespace {

using pagecontrols::label;
using pagecontrols::place;

// Width of the spin buttons, taken from the right end of the volume box's rectangle.
constexpr int kSpinWidth = 16;

QComboBox *selector(QWidget *parent, bool editable, const char *name, const QRect &rect)
{
    auto *box = place(new QComboBox(parent), name, rect);
    box->setEditable(editable);
    box->setInsertPolicy(QComboBox::NoInsert);
    // What the user types is stored as typed: no completion from the list.
    if (editable)
        box->setCompleter(nullptr);
    return box;
}

void fillSelector(QComboBox *box, const SelectorFill &fill)
{
    box->clear();
    if (box->isEditable())
        box->clearEditText();
    box->setEnabled(fill.enabled);
    for (const SelectorRow &row : fill.rows)
        box->addItem(QCoreApplication::translate("Options", row.text.c_str()), row.data);
    if (box->isEditable())
        box->setEditText(QString::fromStdString(fill.editText));
    else
        box->setCurrentIndex(fill.selected);
}

// A label names the field it stands before; an editable list's text field is
// a control of its own to a screen reader and takes the same name.
void nameByLabel(QLabel *label, QComboBox *box)
{
    label->setBuddy(box);
    if (QLineEdit *field = box->lineEdit())
        field->setAccessibleName(QString(label->text()).remove(QLatin1Char('&')).trimmed());
}

} // namespace

COptVideoPage::COptVideoPage(QWidget *parent)
    : OptionsPage(parent)
{
    for (int i = 0; i < kFormatCount; ++i)
        m_records[static_cast<size_t>(i)].formatIndex = i;
    setFont(optionsFont());
    setFixedSize(dluSize(368, 247));
    createControls();
}

void COptVideoPage::createControls()
{
    label(this, tr("Encoding Parameters"), "parametersHeading", dluRect(7, 7, 72, 10));
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    const QRect lineRect = dluRect(79, 11, 282, 1);
    line->setGeometry(lineRect.x(), lineRect.y(), lineRect.width(), 2);

    const QRect iconRect = dluRect(12, 25, 20, 20);
    auto *icon = place(new QLabel(this), "audioIcon", iconRect);
    const int side = std::min(iconRect.width(), iconRect.height());
    icon->setPixmap(speakerIcon(side, devicePixelRatioF()));

    QLabel *formatLabel =
        label(this, tr("&Output Format:"), "formatLabel", dluRect(44, 24, 55, 10));
    m_formatList = place(new ColourList(this), "formatList", dluRect(99, 22, 256, 14));
    formatLabel->setBuddy(m_formatList);

    QLabel *codecLabel = label(this, tr("Co&dec: "), "codecLabel", dluRect(44, 44, 47, 10));
    m_codecList = selector(this, false, "codecList", dluRect(99, 41, 256, 14));
    codecLabel->setBuddy(m_codecList);

    QLabel *bitRateLabel = label(this, tr("Bi&t Rate:"), "bitRateLabel", dluRect(44, 63, 47, 10));
    m_bitRateBox = selector(this, true, "bitRateBox", dluRect(99, 60, 74, 14));
    nameByLabel(bitRateLabel, m_bitRateBox);
    label(this, tr("kbps"), "bitRateUnit", dluRect(175, 63, 20, 10));

    QLabel *sampleRateLabel =
        label(this, tr("Sample &Rate:"), "sampleRateLabel", dluRect(204, 63, 46, 10));
    m_sampleRateBox = selector(this, true, "sampleRateBox", dluRect(251, 60, 83, 14));
    nameByLabel(sampleRateLabel, m_sampleRateBox);
    label(this, tr("Hz"), "sampleRateUnit", dluRect(337, 63, 10, 10));

    QLabel *channelLabel = label(this, tr("C&hannels:"), "channelLabel", dluRect(44, 83, 47, 10));
    m_channelList = selector(this, false, "channelList", dluRect(99, 79, 74, 14));
    channelLabel->setBuddy(m_channelList);

    QLabel *volumeLabel = label(this, tr("&Volume:"), "volumeLabel", dluRect(204, 83, 46, 10));
    const QRect box = dluRect(251, 79, 38, 14);
    m_volumeBox = place(new QLineEdit(this), "volumeBox",
                        box.adjusted(0, 0, -kSpinWidth, 0));
    m_volumeBox->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_volumeBox));
    m_volumeBox->installEventFilter(this);
    volumeLabel->setBuddy(m_volumeBox);
    m_volumeSpin = place(new SpinButtons(this), "volumeSpin",
                         QRect(box.right() - kSpinWidth + 1, box.top(), kSpinWidth, box.height()));
    m_volumeSpin->setAccessibleName(QString(volumeLabel->text()).remove(QLatin1Char('&')).trimmed());
    label(this, QStringLiteral("%"), "volumeUnit", dluRect(292, 83, 8, 10));

    connect(m_formatList, &QComboBox::currentIndexChanged, this, &COptVideoPage::onFormatChanged);
    connect(m_volumeSpin, &SpinButtons::stepped, this, &COptVideoPage::onStep);
    textfit::fitTexts(this);
}

void COptVideoPage::setRecords(const EncodingParamsSet &records, int format)
{
    m_records = records;
    // The current output format always names a catalogue row; anything else
    // would index past the records, so it falls back to the first format.
    m_format = format >= 0 && format < kFormatCount ? format : 0;
    if (!isSetUp())
        return;
    m_filling = true;
    m_formatList->setCurrentIndex(m_format);
    m_filling = false;
    fillControls();
}

const EncodingParams &COptVideoPage::record() const
{
    return m_records[static_cast<size_t>(m_format)];
}

void COptVideoPage::setUp()
{
    m_filling = true;
    int row = 0;
    for (const std::string &text : formatSelectorTexts()) {
        m_formatList->addRow(QString::fromStdString(text), Qt::black, Qt::white);
        m_formatList->setUserValue(row, row);
        ++row;
    }
    m_formatList->setCurrentIndex(m_format);
    m_filling = false;
    fillControls();
}

void COptVideoPage::fillControls()
{
    const int row = m_formatList->currentIndex();
    if (row < 0 || row >= kFormatCount)
        return;
    m_format = row;
    const EncodingParams &shown = record();
    fillSelector(m_codecList, codecSelectorFill(m_format, shown));
    fillSelector(m_bitRateBox, bitRateSelectorFill(m_format, shown));
    fillSelector(m_sampleRateBox, sampleRateSelectorFill(m_format, shown));
    fillSelector(m_channelList, channelSelectorFill(m_format, shown));
    m_volumeBox->setText(QString::fromStdString(shown.AudioVolume));
}

void COptVideoPage::onFormatChanged(int row)
{
    // Whatever was on display for the previous format is dropped, not stored.
    if (m_filling || row < 0 || row >= kFormatCount)
        return;
    fillControls();
}

void COptVideoPage::onStep(int direction)
{
    const int volume = steppedVolume(parseVolumeText(m_volumeBox->text().toStdString()), direction);
    m_volumeBox->setText(QString::number(volume));
}

bool COptVideoPage::eventFilter(QObject *watched, QEvent *event)
{
    // The arrow keys in the volume box work the spin, as its buttons do.
    if (watched == m_volumeBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            onStep(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return OptionsPage::eventFilter(watched, event);
}

bool COptVideoPage::storeControls()
{
    const std::optional<int> volume = parseVolumeText(m_volumeBox->text().toStdString());
    if (!volume) {
        userPrompts().message(this, tr("Please enter an integer."),
                              UserPrompts::Icon::Warning);
        m_volumeBox->setFocus();
        m_volumeBox->selectAll();
        return false;
    }

    AudioControlValues values;
    values.formatRow = m_formatList->currentIndex();
    if (m_codecList->currentIndex() >= 0)
        values.codecData = m_codecList->currentData().toInt();
    values.bitRateText = m_bitRateBox->currentText().toStdString();
    values.sampleRateText = m_sampleRateBox->currentText().toStdString();
    if (m_channelList->currentIndex() >= 0)
        values.channelText = m_channelList->currentText().toStdString();
    values.volume = *volume;
    storeAudioControls(values, m_records, m_format);
    return true;
}

bool COptVideoPage::leave()
{
    if (!storeControls())
        return false;
    const std::string message = validateEncodingParams(record());
    if (message.empty())
        return true;
    userPrompts().message(this, QCoreApplication::translate("Options", message.c_str()), UserPrompts::Icon::Warning);
    m_bitRateBox->setFocus();
    return false;
}
