#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include "app/uilanguage.h"
#include "batch/batchdriver.h"
#include "converter/failurereason.h"
#include "converter/progressreader.h"
#include "filelist/openfilefilters.h"

namespace {

QString shown(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text);
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression mark(QStringLiteral("%L?([1-9])"));
    QStringList found;
    for (auto it = mark.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    // English with no translation loaded; German from the embedded file, the
    // tool's reasons mapped, their paths and the system's words kept.
    void germanReplacesTheEnglishTexts()
    {
        const std::string reason = "Cannot read /tmp/ä b.wav: Permission denied.\nSomething new.";
        QCOMPARE(displayedFailureReason(reason), QString::fromUtf8(reason));
        QCOMPARE(ProgressReader::percentText("a.wav", 42), std::string("Converting a.wav...42%"));
        QCOMPARE(openFileFiltersForDialog()[1], std::string("All Files (*)"));
        const std::vector<BatchFailure> failed{{"a.wav", "Cancelled."}};
        const QString summary = QString::fromStdString(BatchDriver::failureSummary(failed, 3));
        QCOMPARE(BatchDriver::displayedSummary(summary.toStdString(), failed), summary);
        QCOMPARE(displayedText(QStringLiteral("Converting...")), QStringLiteral("Converting..."));

        QTranslator german;
        QVERIFY(german.load(UiLanguage::translationsFolder() + QStringLiteral("/sonavert_de.qm")));
        QVERIFY(QCoreApplication::installTranslator(&german));
        const QString options = shown("COptSheet", "Options");
        QVERIFY(!options.isEmpty() && options != QStringLiteral("Options"));
        QVERIFY(shown("MainMenus", "&Add Files...\tCtrl+O").endsWith(u"\tCtrl+O"));

        const QStringList lines = displayedFailureReason(reason).split(u'\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0] != QString::fromUtf8(reason).section(u'\n', 0, 0));
        QVERIFY(lines[0].contains(QString::fromUtf8("/tmp/ä b.wav")) && lines[0].contains(u"Permission denied"));
        QCOMPARE(lines[1], QStringLiteral("Something new."));

        const std::string progress = ProgressReader::percentText("a\xff.wav", 42);
        QVERIFY(progress.find("a\xff.wav") != std::string::npos);
        QVERIFY(progress.find("42") != std::string::npos);
        // A translated filter name keeps the program's own patterns.
        const std::string all = openFileFiltersForDialog()[1];
        QVERIFY(all != "All Files (*)" && all.ends_with(" (*)"));
        // A row's status and a batch summary, kept English in the core, shown German.
        QVERIFY(displayedText(QStringLiteral("Converting...")) != QStringLiteral("Converting..."));
        const QStringList summaryLines = BatchDriver::displayedSummary(summary.toStdString(), failed).split(u'\n');
        QVERIFY(summaryLines[0] != summary.section(u'\n', 0, 0) && summaryLines[0].contains(u"3"));
        QVERIFY(summaryLines[2].startsWith(u"a.wav: ") && !summaryLines[2].endsWith(u"Cancelled."));
        QCoreApplication::removeTranslator(&german);
    }

    // The user's language picks ours and Qt's own; C and English load nothing.
    void languageFollowsTheLocale()
    {
        QCoreApplication &app = *QCoreApplication::instance();
        QCOMPARE(UiLanguage::install(app, QLocale::c()), QString());
        QCOMPARE(UiLanguage::install(app, QLocale(QStringLiteral("en_GB"))), QString());
        QCOMPARE(shown("COptSheet", "Options"), QStringLiteral("Options"));

        QCOMPARE(UiLanguage::install(app, QLocale(QStringLiteral("pt_BR"))), QStringLiteral("pt_BR"));
        QVERIFY(shown("COptSheet", "Options") != QStringLiteral("Options"));
        // Qt's standard buttons, from the system's Qt translations.
        QVERIFY(QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).exists(QStringLiteral("qtbase_pt_BR.qm")));
        QVERIFY(shown("QPlatformTheme", "Cancel") != QStringLiteral("Cancel"));
        for (QTranslator *translator : app.findChildren<QTranslator *>())
            QCoreApplication::removeTranslator(translator);
    }

    // Every shipped language is complete: no unfinished or empty message, and
    // each translation keeps its source's placeholders.
    void shippedTranslationsAreComplete()
    {
        const QDir folder(QStringLiteral(TRANSLATIONS_DIR));
        const QStringList files = folder.entryList({QStringLiteral("sonavert_*.ts")});
        QVERIFY(files.size() >= 12);
        QStringList faults;
        for (const QString &name : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            QString source;
            int messages = 0;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == u"source") {
                    source = xml.readElementText();
                } else if (xml.name() == u"translation") {
                    ++messages;
                    const bool unfinished = !xml.attributes().value(QStringLiteral("type")).isEmpty();
                    const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                    if (unfinished || text.trimmed().isEmpty())
                        faults << name + QStringLiteral(": unfinished: ") + source;
                    else if (placeholders(text) != placeholders(source))
                        faults << name + QStringLiteral(": placeholders differ: ") + source;
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(name + QStringLiteral(": ") + xml.errorString()));
            QVERIFY2(messages > 100, qPrintable(name));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + QStringLiteral(" faults, first: ")
                                              + faults.mid(0, 10).join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
