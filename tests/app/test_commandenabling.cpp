#include "app/commandenabling.h"
#include "app/commandids.h"

#include <QTest>


namespace {

// The context menu's commands, in menu order.
const Command kContextCommands[] = {Command::PlaySource,      Command::PlayDestination,
                                    Command::ConvertSelected, Command::ConvertAll,
                                    Command::BrowseSourceFolder, Command::BrowseDestinationFolder,
                                    Command::AddFiles,        Command::AddFolder,
                                    Command::Remove,          Command::RemoveAll};

QList<Command> enabledOf(const ListSelectionState &state)
{
    QList<Command> enabled;
    for (Command command : kContextCommands)
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
        QCOMPARE(enabledOf({0, 0, {}}), (QList<Command>{Command::AddFiles, Command::AddFolder}));
    }

    void rowsWithoutSelection()
    {
        QCOMPARE(enabledOf({3, 0, {}}), (QList<Command>{Command::ConvertAll, Command::AddFiles, Command::AddFolder,
                                                        Command::RemoveAll}));
    }

    void twoSelectedRowsDisableTheSingleRowCommands()
    {
        // Even when the top-most one has an output, two rows are one too many.
        QCOMPARE(enabledOf({4, 2, "/out/a.mp3"}),
                 (QList<Command>{Command::ConvertSelected, Command::ConvertAll, Command::AddFiles, Command::AddFolder,
                                 Command::Remove, Command::RemoveAll}));
    }

    void destinationCommandsWaitForAConversion()
    {
        ListSelectionState state{1, 1, {}};
        QVERIFY(isCommandEnabled(Command::PlaySource, state));
        QVERIFY(isCommandEnabled(Command::BrowseSourceFolder, state));
        QVERIFY(!isCommandEnabled(Command::PlayDestination, state));
        QVERIFY(!isCommandEnabled(Command::BrowseDestinationFolder, state));

        state.firstSelectedOutput = "/home/ann/Music/song.mp3";
        QCOMPARE(enabledOf(state), QList<Command>(std::begin(kContextCommands), std::end(kContextCommands)));
    }

    void helpMenuAndOtherCommandsAreAlwaysEnabled()
    {
        for (Command command : {Command::HelpTopics, Command::TellAFriend, Command::FeedbackAndSupport,
                                Command::Homepage, Command::CheckLatestVersion, Command::About, Command::Options,
                                Command::NoAction})
            QVERIFY(isCommandEnabled(command, {0, 0, {}}));
    }
};

QTEST_APPLESS_MAIN(TestCommandEnabling)
#include "test_commandenabling.moc"
