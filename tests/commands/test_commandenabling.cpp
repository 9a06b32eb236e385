#include "app/commandenabling.h"
#include "app/commandids.h"

#include <QTest>

using namespace commandid;

namespace {

// The context menu's commands, in menu order.
const int kContextCommands[] = {kPlaySource,         kPlayDestination,         kConvertSelected,
                                kConvertAll,         kBrowseSourceFolder,      kBrowseDestinationFolder,
                                kAddFiles,           kAddFolder,               kRemove,
                                kRemoveAll};

QList<int> enabledOf(const ListSelectionState &state)
{
    QList<int> enabled;
    for (int command : kContextCommands)
        if (isCommandEnabled(command, state))
            enabled << command;
    return enabled;
}

} // namespace

class TestCommandEnabling : public QObject {
    Q_OBJECT
private slots:
    void emptyListLeavesOnlyAdding()
    {
        QCOMPARE(enabledOf({0, 0, {}}), (QList<int>{kAddFiles, kAddFolder}));
    }

    void rowsWithoutSelection()
    {
        QCOMPARE(enabledOf({3, 0, {}}), (QList<int>{kConvertAll, kAddFiles, kAddFolder, kRemoveAll}));
    }

    void twoSelectedRowsDisableTheSingleRowCommands()
    {
        // Even when the top-most one has an output, two rows are one too many.
        QCOMPARE(enabledOf({4, 2, "/out/a.mp3"}),
                 (QList<int>{kConvertSelected, kConvertAll, kAddFiles, kAddFolder, kRemove, kRemoveAll}));
    }

    void destinationCommandsWaitForAConversion()
    {
        ListSelectionState state{1, 1, {}};
        QVERIFY(isCommandEnabled(kPlaySource, state));
        QVERIFY(isCommandEnabled(kBrowseSourceFolder, state));
        QVERIFY(!isCommandEnabled(kPlayDestination, state));
        QVERIFY(!isCommandEnabled(kBrowseDestinationFolder, state));

        state.firstSelectedOutput = "/home/ann/Music/song.mp3";
        QCOMPARE(enabledOf(state), QList<int>(std::begin(kContextCommands), std::end(kContextCommands)));
    }

    void helpMenuAndOtherCommandsAreAlwaysEnabled()
    {
        for (int command : {kHelpTopics, kTellAFriend, kFeedbackAndSupport, kHomepage, kCheckLatestVersion,
                            kAbout, kOptions, kNoAction})
            QVERIFY(isCommandEnabled(command, {0, 0, {}}));
    }
};

QTEST_APPLESS_MAIN(TestCommandEnabling)
#include "test_commandenabling.moc"
