#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QFile>
#include <QTest>
#include <QTimer>

#include "options/widgets/coptoutputpage.h"
#include "options/widgets/coptsheet.h"
#include "options/widgets/coptvideopage.h"
#include "options/widgets/optionssheet.h"
#include "options/widgets/spinbuttons.h"
#include "platform/settingsstore.h"
#include "ui/colourlist.h"
#include "ui/colourlistdelegate.h"
#include "ui/userprompts.h"
#include "fakeprompts.h"
#include "whenmodal.h"

namespace {

constexpr int kMp3 = 0;
constexpr int kWav = 2;
constexpr int kWma = 3;
constexpr int kAac = 5;
constexpr int kM4a = 6;
constexpr int kAiff = 9;
constexpr int kAu = 10;
constexpr int kAmrNb = 12;
constexpr int kAmrWb = 13;

template <typename T>
T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// Every text control's natural size fits the rectangle it was given, and no
// two controls overlap.
void checkLayout(QWidget *page)
{
    const QList<QWidget *> controls = page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *w : controls) {
        QVERIFY2(page->rect().contains(w->geometry()), qPrintable(w->objectName()));
        auto *text = qobject_cast<QLabel *>(w);
        if (text && text->pixmap().isNull()) {
            if (text->wordWrap())
                QVERIFY2(text->heightForWidth(text->width()) <= text->height(),
                         qPrintable(text->objectName()));
            else
                QVERIFY2(text->sizeHint().width() <= text->width(), qPrintable(text->text()));
        }
        if (qobject_cast<QCheckBox *>(w))
            QVERIFY2(w->sizeHint().width() <= w->width(), qPrintable(w->objectName()));
        // A push button's size hint has a style minimum wider than a dialog's
        // small buttons; its caption and the bevel must fit.
        if (auto *button = qobject_cast<QPushButton *>(w)) {
            const QString caption = button->text().remove(QLatin1Char('&'));
            QVERIFY2(button->fontMetrics().horizontalAdvance(caption) + 12 <= button->width(),
                     qPrintable(button->objectName()));
        }
        for (QWidget *other : controls) {
            if (other != w && other->geometry().intersects(w->geometry()))
                QFAIL(qPrintable(w->objectName() + QStringLiteral(" overlaps ")
                                 + other->objectName()));
        }
    }
}

EncodingParamsSet defaults()
{
    return defaultEncodingParamsSet();
}

} // namespace

class TestOptionsSheet : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_prompts = FakePrompts();
        setUserPrompts(&m_prompts);
    }
    void cleanup() { setUserPrompts(nullptr); }

    void colourListRowsAndValues();
    void colourListDrawsItsColours();

    void generalPageLayout();
    void generalPageUnknownCodes();
    void generalPageEnabling();
    void generalPageBrowse();
    void generalPageLeavingChecks_data();
    void generalPageLeavingChecks();
    void generalPageLoudness();

    void audioPageLayout();
    void audioPageNoBitRateFormats();
    void audioPageChecks_data();
    void audioPageChecks();
    void audioPageStoresTypedTexts();
    void audioPageFormatSwitchDropsEdits();
    void audioPageUnknownCodecAndVolume();

    void sheetRefusesToLeaveInvalidPage();
    void commandCancelKeepsOnlyPageIndex();
    void commandOkCarriesBackAndSaves();
    void commandOkKeepsUnopenedPage();

private:
    FakePrompts m_prompts;
};

void TestOptionsSheet::colourListRowsAndValues()
{
    ColourList list;
    QCOMPARE(list.addRow(QStringLiteral(" MP3"), Qt::black, Qt::white), 0);
    QCOMPARE(list.addRow(QStringLiteral(" R&B"), Qt::red, Qt::yellow), 1);
    QCOMPARE(list.userValue(1), 0);
    QCOMPARE(list.setUserValue(1, 7), 0);
    QCOMPARE(list.userValue(1), 7);
    QCOMPARE(list.setUserValue(2, 7), -1);
    QCOMPARE(list.setUserValue(-1, 7), -1);
    // A row added behind the list's back has no record.
    list.addItem(QStringLiteral("plain"));
    QCOMPARE(list.setUserValue(2, 1), -1);
    QCOMPARE(list.userValue(2), -1);
}

void TestOptionsSheet::colourListDrawsItsColours()
{
    ColourList list;
    list.addRow(QStringLiteral("W"), Qt::blue, Qt::yellow);
    list.addItem(QStringLiteral("no record"));
    QPalette palette;
    palette.setColor(QPalette::Highlight, Qt::darkGreen);
    palette.setColor(QPalette::HighlightedText, Qt::white);

    auto draw = [&](int row, QStyle::State state) {
        QImage image(60, 20, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        ColourListDelegate::paintRow(&painter, image.rect(), palette, state,
                                     list.model()->index(row, 0), &list);
        return image;
    };

    const QImage plain = draw(0, QStyle::State_Enabled);
    QCOMPARE(plain.pixelColor(0, 0), QColor(Qt::yellow));
    QCOMPARE(plain.pixelColor(59, 19), QColor(Qt::yellow));
    // Text is inset by two pixels: the first two columns stay background.
    for (int y = 0; y < 20; ++y) {
        QCOMPARE(plain.pixelColor(0, y), QColor(Qt::yellow));
        QCOMPARE(plain.pixelColor(1, y), QColor(Qt::yellow));
    }
    bool hasText = false;
    for (int x = 2; x < 20 && !hasText; ++x)
        for (int y = 0; y < 20 && !hasText; ++y)
            hasText = plain.pixelColor(x, y) != QColor(Qt::yellow);
    QVERIFY(hasText);

    const QImage selected = draw(0, QStyle::State_Enabled | QStyle::State_Selected);
    QCOMPARE(selected.pixelColor(30, 0), QColor(Qt::darkGreen));

    // A row without a record is left as it was.
    QCOMPARE(draw(1, QStyle::State_Enabled).pixelColor(10, 10), QColor(Qt::magenta));
}

void TestOptionsSheet::generalPageLayout()
{
    COptOutputPage page;
    page.setUpOnce();
    checkLayout(&page);
    QCOMPARE(child<QLabel>(&page, "exampleLabel")->text(),
             QStringLiteral("For example: original file is \"/home/user/Music/pop/1.mp3\" and output "
                            "folder is \"/media/output.\" If the option is checked, the output folder "
                            "will be \"/media/output/home/user/Music/pop.\""));
    // Creation order is the tab order.
    const QList<QWidget *> chain = {
        child<QWidget>(&page, "filterCheck"),      child<QWidget>(&page, "filterEdit"),
        child<QWidget>(&page, "folderList"),       child<QWidget>(&page, "customFolderEdit"),
        child<QWidget>(&page, "browseButton"),     child<QWidget>(&page, "createDirsCheck"),
        child<QWidget>(&page, "targetExistsList"), child<QWidget>(&page, "myDocumentsCheck"),
        child<QWidget>(&page, "browseOutputCheck"), child<QWidget>(&page, "simultaneousList"),
    };
    for (int i = 0; i + 1 < chain.size(); ++i) {
        QWidget *next = chain[i]->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        QCOMPARE(next, chain[i + 1]);
    }
}

void TestOptionsSheet::generalPageUnknownCodes()
{
    GeneralOptions options;
    options.DestOutputFolderOpt = OutputFolder{250};
    options.TargetExistsOpt = TargetExists{44};
    COptOutputPage page;
    page.setOptions(options);
    page.setUpOnce();
    QCOMPARE(child<QComboBox>(&page, "folderList")->currentText(),
             QStringLiteral("Same as original file"));
    QCOMPARE(child<QComboBox>(&page, "targetExistsList")->currentText(),
             QStringLiteral("Auto rename (add number at end of file name)"));
    QVERIFY(page.leave());
    QCOMPARE(page.options().DestOutputFolderOpt, OutputFolder::SameAsOriginal);
    QCOMPARE(page.options().TargetExistsOpt, TargetExists::AutoRename);
}

void TestOptionsSheet::generalPageEnabling()
{
    GeneralOptions options;
    options.DestOutputFolderOpt = OutputFolder::SameAsOriginal;
    options.EnableExtFilter = 0;
    COptOutputPage page;
    page.setOptions(options);
    page.setUpOnce();
    auto *custom = child<QLineEdit>(&page, "customFolderEdit");
    auto *filterEdit = child<QLineEdit>(&page, "filterEdit");
    const QList<QWidget *> folderControls = {custom, child<QWidget>(&page, "browseButton"),
                                             child<QWidget>(&page, "createDirsCheck"),
                                             child<QWidget>(&page, "exampleLabel")};
    for (QWidget *w : folderControls)
        QVERIFY(!w->isEnabled());
    QVERIFY(!filterEdit->isEnabled());

    child<QComboBox>(&page, "folderList")->setCurrentIndex(1);
    for (QWidget *w : folderControls)
        QVERIFY(w->isEnabled());
    child<QComboBox>(&page, "folderList")->setCurrentIndex(0);
    QVERIFY(!custom->isEnabled());

    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    child<QCheckBox>(&page, "filterCheck")->click();
    QVERIFY(filterEdit->isEnabled());
    QCOMPARE(QApplication::focusWidget(), filterEdit);
    QCOMPARE(page.options().EnableExtFilter, 1);
    child<QCheckBox>(&page, "filterCheck")->click();
    QVERIFY(!filterEdit->isEnabled());
}

void TestOptionsSheet::generalPageBrowse()
{
    GeneralOptions options;
    options.DestOutputFolderOpt = OutputFolder::Custom;
    options.DestSpecifiedFolder = "/music/out/";
    COptOutputPage page;
    page.setOptions(options);
    page.setUpOnce();
    auto *custom = child<QLineEdit>(&page, "customFolderEdit");
    auto *browse = child<QPushButton>(&page, "browseButton");

    custom->setText(QStringLiteral("/typed/"));
    m_prompts.folder = QStringLiteral("/picked/here");
    browse->click();
    QCOMPARE(m_prompts.lastTitle, QStringLiteral("Please choose an output folder:"));
    QCOMPARE(m_prompts.lastStart, QStringLiteral("/typed"));
    QCOMPARE(custom->text(), QStringLiteral("/picked/here/"));

    // Cancelling the chooser changes nothing.
    m_prompts.folder.clear();
    browse->click();
    QCOMPARE(custom->text(), QStringLiteral("/picked/here/"));
    QVERIFY(page.leave());
    QCOMPARE(page.options().DestSpecifiedFolder, std::string("/picked/here/"));

    // Texts that are not UTF-8 come back byte for byte: through OK, through an
    // edit, and through the chooser picking the folder it started in.
    options.DestSpecifiedFolder = "/m\xe9lodie/\xff/";
    options.FilterExts = "mp3,\xe9t\xe9";
    options.EnableExtFilter = 1;
    COptOutputPage odd;
    odd.setOptions(options);
    odd.setUpOnce();
    QVERIFY(odd.leave());
    QCOMPARE(odd.options().DestSpecifiedFolder, options.DestSpecifiedFolder);
    QCOMPARE(odd.options().FilterExts, options.FilterExts);
    child<QLineEdit>(&odd, "filterEdit")->end(false);
    QTest::keyClicks(child<QLineEdit>(&odd, "filterEdit"), QStringLiteral(",wav"));
    m_prompts.folder = QFile::decodeName("/m\xe9lodie/\xff");
    child<QPushButton>(&odd, "browseButton")->click();
    QCOMPARE(m_prompts.lastStart, m_prompts.folder);
    QVERIFY(odd.leave());
    QCOMPARE(odd.options().DestSpecifiedFolder, options.DestSpecifiedFolder);
    QCOMPARE(odd.options().FilterExts, options.FilterExts + ",wav");
}

void TestOptionsSheet::generalPageLeavingChecks_data()
{
    QTest::addColumn<int>("folderRow");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("filterOn");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("stored");

    QTest::newRow("custom folder empty") << 1 << "" << false << "" << "Please choose an output folder."
                                         << "customFolderEdit" << "";
    QTest::newRow("filter of blanks") << 1 << "/out/" << true << " \t " << "Please enter file extensions you need to filter."
                                      << "filterEdit" << "";
    QTest::newRow("semicolons alone") << 0 << "" << true << ";;" << "" << "" << ",,";
    QTest::newRow("semicolons and blanks") << 0 << "" << true << "wav; mp3 ;aac" << "" << ""
                                           << "wav,mp3,aac";
    QTest::newRow("filter off, blank text") << 0 << "" << false << "  " << "" << "" << "";
}

void TestOptionsSheet::generalPageLeavingChecks()
{
    QFETCH(int, folderRow);
    QFETCH(QString, folder);
    QFETCH(bool, filterOn);
    QFETCH(QString, filter);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QString, stored);

    GeneralOptions options;
    options.EnableExtFilter = filterOn ? 1 : 0;
    COptOutputPage page;
    page.setOptions(options);
    page.setUpOnce();
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    child<QComboBox>(&page, "folderList")->setCurrentIndex(folderRow);
    child<QLineEdit>(&page, "customFolderEdit")->setText(folder);
    child<QLineEdit>(&page, "filterEdit")->setText(filter);
    child<QComboBox>(&page, "targetExistsList")->setCurrentIndex(2);

    const bool left = page.leave();
    QCOMPARE(left, message.isEmpty());
    if (!left) {
        QCOMPARE(m_prompts.messages.size(), size_t(1));
        QCOMPARE(m_prompts.messages[0].text, message);
        QCOMPARE(m_prompts.messages[0].icon, UserPrompts::Icon::Warning);
        QCOMPARE(m_prompts.messages[0].caption, QStringLiteral("Sonavert"));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        return;
    }
    QVERIFY(m_prompts.messages.empty());
    QCOMPARE(QString::fromStdString(page.options().FilterExts), stored);
    QCOMPARE(page.options().TargetExistsOpt, TargetExists::Skip);
}

// The target is checked only when normalising, with its own messages; the note speaks
// of a format without a place for tags; the stored numbers come back as chosen.
void TestOptionsSheet::generalPageLoudness()
{
    GeneralOptions options;
    options.Loudness = 1;
    COptOutputPage page;
    int format = 2; // WAV
    page.setOutputFormat([&format] { return format; });
    page.setOptions(options);
    page.setUpOnce();
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *note = child<QLabel>(&page, "loudnessNote");
    auto *target = child<QLineEdit>(&page, "loudnessTargetEdit");
    QVERIFY(note->text().startsWith(QStringLiteral("WAV files have no standard place")));
    QVERIFY(!target->isEnabled());
    target->setText(QStringLiteral("junk"));
    QVERIFY(page.leave());

    auto *mode = child<QComboBox>(&page, "loudnessList");
    mode->setCurrentIndex(0);
    QVERIFY(note->text().isEmpty());
    format = 0; // MP3
    mode->setCurrentIndex(2);
    QVERIFY(note->text().isEmpty());
    QVERIFY(target->isEnabled());
    const std::pair<QString, QString> refused[] = {
        {"", "Please enter a loudness target in LUFS, from -31 to -5."},
        {"-18.5", "The loudness target must be a whole number of LUFS, such as -18."},
        {"-4", "The loudness target must lie between -31 and -5 LUFS."},
    };
    for (const auto &[text, message] : refused) {
        m_prompts.messages.clear();
        target->setText(text);
        QVERIFY(!page.leave());
        QCOMPARE(m_prompts.messages.size(), size_t(1));
        QCOMPARE(m_prompts.messages[0].text, message);
        QCOMPARE(QApplication::focusWidget(), target);
    }
    target->setText(QStringLiteral(" -23 "));
    child<QCheckBox>(&page, "loudnessAlbumCheck")->setChecked(true);
    QVERIFY(page.leave());
    QCOMPARE(page.options().Loudness, 2);
    QCOMPARE(page.options().LoudnessTarget, -23);
    QCOMPARE(page.options().LoudnessAlbum, 1);
}

void TestOptionsSheet::audioPageLayout()
{
    COptVideoPage page;
    page.setRecords(defaults(), kMp3);
    page.setUpOnce();
    checkLayout(&page);
    auto *formats = child<ColourList>(&page, "formatList");
    QCOMPARE(formats->count(), 16);
    QCOMPARE(formats->itemText(15), QStringLiteral(" OPUS"));
    QCOMPARE(formats->itemText(0), QStringLiteral(" MP3"));
    QCOMPARE(formats->itemText(13), QStringLiteral(" AMR (WB)"));
    QCOMPARE(formats->userValue(13), 13);
    QCOMPARE(child<QComboBox>(&page, "bitRateBox")->itemText(0), QStringLiteral("Auto"));
    QCOMPARE(child<QComboBox>(&page, "bitRateBox")->currentText(), QStringLiteral("Auto"));
    QCOMPARE(child<QLineEdit>(&page, "volumeBox")->text(), QStringLiteral("100"));
}

void TestOptionsSheet::audioPageNoBitRateFormats()
{
    for (int format : {kWav, kAiff, kAu}) {
        EncodingParamsSet records = defaults();
        records[format].AudioBitRate = "128"; // written by hand: still not offered
        COptVideoPage page;
        page.setRecords(records, format);
        page.setUpOnce();
        auto *rates = child<QComboBox>(&page, "bitRateBox");
        QVERIFY(!rates->isEnabled());
        QCOMPARE(rates->count(), 0);
        QCOMPARE(rates->currentText(), QString());
        QVERIFY(page.leave());
        QCOMPARE(page.record().AudioBitRate, std::string());
    }
}

void TestOptionsSheet::audioPageChecks_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("bitRate");
    QTest::addColumn<QString>("sampleRate");
    QTest::addColumn<int>("channelRow");
    QTest::addColumn<QString>("refusal");

    const QString nb = QStringLiteral("Invalid parameters for AMR Narrow-Band codec.");
    const QString wb = QStringLiteral("Invalid parameters for AMR Wide-Band codec.");
    const QString aac = QStringLiteral("Invalid parameters for AAC codec.");
    QTest::newRow("amr-nb valid") << kAmrNb << "6.7" << "8000" << 1 << "";
    QTest::newRow("amr-nb auto rate") << kAmrNb << "6.7" << "Auto" << 1 << nb;
    QTest::newRow("amr-nb auto channels") << kAmrNb << "6.7" << "8000" << 0 << nb;
    QTest::newRow("amr-nb trailing zero") << kAmrNb << "6.70" << "8000" << 1 << nb;
    QTest::newRow("amr-nb whole number") << kAmrNb << "12" << "8000" << 1 << nb;
    QTest::newRow("amr-wb valid") << kAmrWb << "23.85" << "16000" << 1 << "";
    QTest::newRow("amr-wb wrong rate") << kAmrWb << "23.85" << "8000" << 1 << wb;
    QTest::newRow("aac valid minimums") << kAac << "16" << "16000" << 0 << "";
    QTest::newRow("aac auto bit rate") << kAac << "Auto" << "44100" << 0 << aac;
    QTest::newRow("aac auto sample rate") << kAac << "128" << "Auto" << 0 << aac;
    QTest::newRow("aac low bit rate") << kAac << "15" << "44100" << 0 << aac;
    QTest::newRow("m4a not checked") << kM4a << "Auto" << "Auto" << 0 << "";
}

void TestOptionsSheet::audioPageChecks()
{
    QFETCH(int, format);
    QFETCH(QString, bitRate);
    QFETCH(QString, sampleRate);
    QFETCH(int, channelRow);
    QFETCH(QString, refusal);

    COptVideoPage page;
    page.setRecords(defaults(), format);
    page.setUpOnce();
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    child<QComboBox>(&page, "bitRateBox")->setEditText(bitRate);
    child<QComboBox>(&page, "sampleRateBox")->setEditText(sampleRate);
    child<QComboBox>(&page, "channelList")->setCurrentIndex(channelRow);

    const bool left = page.leave();
    QCOMPARE(left, refusal.isEmpty());
    if (left) {
        QVERIFY(m_prompts.messages.empty());
        return;
    }
    QCOMPARE(m_prompts.messages.size(), size_t(1));
    QVERIFY(m_prompts.messages[0].text.startsWith(refusal + QLatin1Char('\n')));
    QCOMPARE(m_prompts.messages[0].icon, UserPrompts::Icon::Warning);
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QVERIFY(focus == child<QWidget>(&page, "bitRateBox")
            || focus->parentWidget() == child<QWidget>(&page, "bitRateBox"));
    // The refused set stays in the page's copy.
    QCOMPARE(page.record().AudioBitRate, bitRate == QLatin1String("Auto")
                                             ? std::string()
                                             : bitRate.toStdString());
}

void TestOptionsSheet::audioPageStoresTypedTexts()
{
    COptVideoPage page;
    page.setRecords(defaults(), kWma);
    page.setUpOnce();
    child<QComboBox>(&page, "codecList")->setCurrentIndex(2);
    child<QComboBox>(&page, "bitRateBox")->setEditText(QStringLiteral("128abc"));
    child<QComboBox>(&page, "sampleRateBox")->setEditText(QStringLiteral("22050Hz"));
    child<QComboBox>(&page, "channelList")->setCurrentIndex(1);
    child<QLineEdit>(&page, "volumeBox")->setText(QStringLiteral("0"));
    QVERIFY(page.leave());
    EncodingParams expected = defaults()[kWma];
    expected.AudioCodec = "wma9x";
    expected.AudioBitRate = "128abc";
    expected.AudioSampleRate = "22050";
    expected.AudioChannels = "1";
    expected.AudioVolume = "";
    QCOMPARE(page.record(), expected);

    // The spin moves the box by ten within 10..3000.
    auto *volume = child<QLineEdit>(&page, "volumeBox");
    auto *spin = child<SpinButtons>(&page, "volumeSpin");
    volume->setText(QStringLiteral("2995"));
    emit spin->stepped(1);
    QCOMPARE(volume->text(), QStringLiteral("3000"));
    volume->setText(QStringLiteral("15"));
    emit spin->stepped(-1);
    QCOMPARE(volume->text(), QStringLiteral("10"));
    // Letters never reach the box.
    volume->clear();
    QTest::keyClicks(volume, QStringLiteral("1a2"));
    QCOMPARE(volume->text(), QStringLiteral("12"));
}

void TestOptionsSheet::audioPageFormatSwitchDropsEdits()
{
    COptVideoPage page;
    page.setRecords(defaults(), kMp3);
    page.setUpOnce();
    auto *formats = child<QComboBox>(&page, "formatList");
    auto *rates = child<QComboBox>(&page, "bitRateBox");
    rates->setEditText(QStringLiteral("192"));
    child<QLineEdit>(&page, "volumeBox")->setText(QStringLiteral("150"));

    formats->setCurrentIndex(kWav);
    QCOMPARE(page.format(), kWav);
    QVERIFY(!rates->isEnabled());
    QCOMPARE(child<QComboBox>(&page, "codecList")->count(), 6);
    formats->setCurrentIndex(kMp3);
    QCOMPARE(rates->currentText(), QStringLiteral("Auto"));
    QCOMPARE(child<QLineEdit>(&page, "volumeBox")->text(), QStringLiteral("100"));
    QVERIFY(page.leave());
    QCOMPARE(page.records(), defaults());
}

void TestOptionsSheet::audioPageUnknownCodecAndVolume()
{
    EncodingParamsSet records = defaults();
    records[kWma].AudioCodec = "vorbis";
    records[kWma].AudioChannels = "6";
    records[kWma].AudioSampleRate = "11025x";
    COptVideoPage page;
    page.setRecords(records, kWma);
    page.setUpOnce();
    QCOMPARE(child<QComboBox>(&page, "codecList")->currentText(),
             QStringLiteral("Windows Media Audio 7"));
    QCOMPARE(child<QComboBox>(&page, "channelList")->currentText(), QStringLiteral("Auto"));
    QCOMPARE(child<QComboBox>(&page, "sampleRateBox")->currentText(), QStringLiteral("11025x"));
    child<QLineEdit>(&page, "volumeBox")->setText(QStringLiteral("0"));
    QVERIFY(page.leave());
    QCOMPARE(page.record().AudioCodec, std::string("wma7x"));
    QCOMPARE(page.record().AudioChannels, std::string());
    QCOMPARE(page.record().AudioSampleRate, std::string("11025"));
    QCOMPARE(page.record().AudioVolume, std::string());

    // Shown again, the volume box is empty, and leaving asks for an integer.
    COptVideoPage again;
    again.setRecords(page.records(), kWma);
    again.setUpOnce();
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QCOMPARE(child<QLineEdit>(&again, "volumeBox")->text(), QString());
    QVERIFY(!again.leave());
    QCOMPARE(m_prompts.messages.size(), size_t(1));
    QCOMPARE(m_prompts.messages[0].text, QStringLiteral("Please enter an integer."));
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(&again, "volumeBox"));
}

void TestOptionsSheet::sheetRefusesToLeaveInvalidPage()
{
    COptSheet sheet;
    auto *general = new COptOutputPage;
    auto *audio = new COptVideoPage;
    GeneralOptions options;
    options.DestOutputFolderOpt = OutputFolder::Custom; // with no custom folder
    general->setOptions(options);
    audio->setRecords(defaults(), kMp3);
    sheet.addPage(general, QStringLiteral("General"));
    sheet.addPage(audio, QStringLiteral("Audio Options"));
    sheet.setStartPage(5); // not a page: General
    QCOMPARE(sheet.activePage(), 0);
    QVERIFY(!audio->isSetUp());

    auto *tabs = child<QTabWidget>(&sheet, "pages");
    QCOMPARE(tabs->tabText(0), QStringLiteral("General"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Audio Options"));
    tabs->setCurrentIndex(1);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(sheet.activePage(), 0);
    QCOMPARE(m_prompts.messages.size(), size_t(1));
    QCOMPARE(m_prompts.messages[0].text, QStringLiteral("Please choose an output folder."));

    sheet.accept();
    QCOMPARE(sheet.result(), int(QDialog::Rejected));
    QCOMPARE(m_prompts.messages.size(), size_t(2));

    child<QLineEdit>(general, "customFolderEdit")->setText(QStringLiteral("/out/"));
    tabs->setCurrentIndex(1);
    QCOMPARE(sheet.activePage(), 1);
    QVERIFY(audio->isSetUp());
}

namespace {

// The main window's side of the Options command, kept in a settings file of
// the test's own.
struct MainWindowState {
    QTemporaryDir dir;
    std::string path = dir.filePath(QStringLiteral("s.ini")).toStdString();
    SettingsStore store{path};
    int current = kMp3;
    EncodingParamsSet params = defaults();
    ProgramSettings settings;
    std::vector<std::string> filter;
    int selected = -1;

    // Runs the command; drive works the sheet once it is up and closes it.
    void run(QObject *context, const std::function<void(COptSheet *)> &drive)
    {
        whenModal(context, [drive](QWidget *modal) {
            auto *sheet = qobject_cast<COptSheet *>(modal);
            QVERIFY(sheet);
            drive(sheet);
        });
        runOptionsCommand(nullptr, {current, params, settings, filter, store,
                                    [this](int f) { selected = f; }});
    }
};

} // namespace

void TestOptionsSheet::commandCancelKeepsOnlyPageIndex()
{
    MainWindowState main;
    main.settings.OptStartPageIndex = 1;
    const GeneralOptions before = generalOptionsFrom(main.settings);
    int startedOn = -1;
    main.run(this, [&](COptSheet *sheet) {
        startedOn = sheet->activePage();
        child<QComboBox>(sheet, "formatList")->setCurrentIndex(kWma);
        child<QLineEdit>(sheet, "filterEdit")->setText(QStringLiteral("changed"));
        sheet->reject();
    });
    QCOMPARE(startedOn, 1);
    QCOMPARE(main.settings.OptStartPageIndex, 1);
    QCOMPARE(main.current, kMp3);
    QCOMPARE(main.params, defaults());
    QCOMPARE(main.selected, -1);
    QCOMPARE(generalOptionsFrom(main.settings), before);
    QVERIFY(!main.store.groupExists("Options"));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestOptionsSheet::commandOkCarriesBackAndSaves()
{
    MainWindowState main;
    main.params[kMp3].AudioBitRate = "320";
    main.run(this, [](COptSheet *sheet) {
        auto *tabs = child<QTabWidget>(sheet, "pages");
        child<QCheckBox>(sheet, "filterCheck")->setChecked(true);
        child<QLineEdit>(sheet, "filterEdit")->setText(QStringLiteral("WAV; Mp3"));
        child<QComboBox>(sheet, "targetExistsList")->setCurrentIndex(1);
        auto *simultaneous = child<QComboBox>(sheet, "simultaneousList");
        QCOMPARE(simultaneous->count(), 17);
        QCOMPARE(simultaneous->currentText(), QStringLiteral("Auto"));
        simultaneous->setCurrentIndex(2);
        tabs->setCurrentIndex(1);
        child<QComboBox>(sheet, "formatList")->setCurrentIndex(kWma);
        child<QComboBox>(sheet, "bitRateBox")->setEditText(QStringLiteral("64"));
        tabs->setCurrentIndex(0);
        QCOMPARE(sheet->activePage(), 0);
        sheet->accept();
    });

    QCOMPARE(main.current, kWma);
    QCOMPARE(main.selected, kWma);
    QCOMPARE(main.params[kWma].AudioBitRate, std::string("64"));
    QCOMPARE(main.params[kMp3].AudioBitRate, std::string("320")); // other records untouched
    QCOMPARE(main.settings.OptStartPageIndex, 0);
    QCOMPARE(main.settings.FilterExts, std::string("WAV,Mp3"));
    QCOMPARE(main.settings.TargetExistsOpt, TargetExists::Overwrite);
    QCOMPARE(main.filter, (std::vector<std::string>{"wav", "mp3"}));

    // What reached the file, read back through a store of its own.
    SettingsStore reread(main.path);
    EncodingParams saved;
    loadEncodingParams(reread, kWma, saved);
    QCOMPARE(saved.AudioBitRate, std::string("64"));
    QCOMPARE(saved.AudioCodec, std::string("wma7x"));
    QVERIFY(!reread.groupExists("VideoParam2\\0"));
    QCOMPARE(reread.readText("Options", "FilterExts"), std::optional<std::string>("WAV,Mp3"));
    QCOMPARE(reread.readNumber("Options", "TargetExistsOpt"), std::optional<std::uint32_t>(22));
    QCOMPARE(reread.readNumber("Options", "EnableExtFilter"), std::optional<std::uint32_t>(1));
    QCOMPARE(reread.readNumber("Options", "SimultaneousConversions"), std::optional<std::uint32_t>(2));
    QCOMPARE(reread.readNumber("Options", "OptStartPageIndex"), std::nullopt);
}

void TestOptionsSheet::commandOkKeepsUnopenedPage()
{
    MainWindowState main;
    main.current = kAmrNb;
    main.settings.OptStartPageIndex = 1;
    main.settings.DestOutputFolderOpt = OutputFolder{250};
    main.settings.TargetExistsOpt = TargetExists{44};
    main.run(this, [](COptSheet *sheet) { sheet->accept(); });
    QCOMPARE(main.settings.OptStartPageIndex, 1);
    QCOMPARE(main.settings.DestOutputFolderOpt, OutputFolder{250});
    QCOMPARE(main.settings.TargetExistsOpt, TargetExists{44});
    QCOMPARE(main.current, kAmrNb);

    SettingsStore reread(main.path);
    QCOMPARE(reread.readNumber("Options", "DestOutputFolderOpt"), std::optional<std::uint32_t>(250));
    EncodingParams saved = defaults()[kAmrNb];
    saved.AudioVolume = "changed";
    loadEncodingParams(reread, kAmrNb, saved);
    QCOMPARE(saved, defaults()[kAmrNb]);
}

QTEST_MAIN(TestOptionsSheet)
#include "test_optionssheet.moc"
