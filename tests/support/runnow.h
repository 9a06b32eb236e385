#pragma once

// Runs the event-driven converter runs of the program to their end, for tests
// that want a plain call and a result. Each helper makes sure an application
// object exists (gtest mains have none) and runs a local event loop until the
// run is done; the test itself is the only thing waiting.

#include <functional>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "batch/batchdriver.h"
#include "converter/conversionjob.h"
#include "converter/converterrunner.h"
#include "filelist/mediaprobe.h"
#include "filelist/medialistsink.h"
#include "filelist/mediaitemmap.h"

inline void ensureCoreApplication()
{
    static int argc = 1;
    static char name[] = "sonavert-test";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

// Starts a run with start(finish), then calls pass() at once and every 100 ms
// while it runs; when pass() answers true, cancel() is called (as the Cancel
// button does). Returns when finish() has been called.
inline void runUntilDone(const std::function<void(std::function<void()> finish)> &start,
                         const std::function<bool()> &pass = {}, const std::function<void()> &cancel = {})
{
    ensureCoreApplication();
    QEventLoop loop;
    bool done = false;
    start([&] {
        done = true;
        loop.quit();
    });
    QTimer passes;
    bool cancelled = false;
    auto onPass = [&] {
        if (!cancelled && !done && pass && pass()) {
            cancelled = true;
            if (cancel)
                cancel();
        }
    };
    QObject::connect(&passes, &QTimer::timeout, onPass);
    onPass();
    passes.start(100);
    if (!done)
        loop.exec();
}

// Takes the next result of the runner into result and calls finish.
inline void takeResult(ConverterRunner &runner, RunResult &result, std::function<void()> finish)
{
    QObject::connect(
        &runner, &ConverterRunner::finished, &runner,
        [&result, finish](const RunResult &r) {
            result = r;
            finish();
        },
        Qt::SingleShotConnection);
}

inline RunResult probeNow(ConverterRunner &runner, const std::vector<std::string> &argv, MediaItem &item)
{
    RunResult result;
    runUntilDone([&](std::function<void()> finish) {
        takeResult(runner, result, finish);
        runner.startProbe(argv, item);
    });
    return result;
}

inline RunResult conversionNow(ConverterRunner &runner, const std::vector<std::string> &argv, const MediaItem &item,
                               ProgressDisplay &display, const std::function<bool()> &pass = {})
{
    RunResult result;
    runUntilDone(
        [&](std::function<void()> finish) {
            takeResult(runner, result, finish);
            runner.startConversion(argv, item, display);
        },
        pass, [&runner] { runner.cancel(); });
    return result;
}

// One conversion job, as the batch runs it; 1 converted, 0 not.
inline int convertNow(ConverterRunner &runner, const std::string &toolPath, MediaItem &item, int formatIndex,
                      const EncodingParams &params, ProgressDisplay &display, const std::function<bool()> &pass = {},
                      ConversionEnd *endOut = nullptr)
{
    ConversionEnd result;
    runUntilDone(
        [&](std::function<void()> finish) {
            startConversionJob(runner, toolPath, item, formatIndex, params, display, false,
                               [&result, finish](const ConversionEnd &end) {
                                   result = end;
                                   finish();
                               });
        },
        pass, [&runner] { runner.cancel(); });
    if (endOut)
        *endOut = result;
    return result.converted ? 1 : 0;
}

// Probe and add of one path: 0 for a path already listed (nothing run), the
// new row, or -1 when the file cannot be read.
inline int probeAndAddNow(const std::string &path, ConverterRunner &runner, const std::string &toolPath,
                          MediaItemMap &map, MediaListSink &sink, std::string *reason = nullptr)
{
    if (map.find(path))
        return 0;
    ProbeEnd result;
    runUntilDone([&](std::function<void()> finish) {
        startMediaProbe(runner, toolPath, path, [&result, finish](ProbeEnd end) {
            result = std::move(end);
            finish();
        });
    });
    if (reason)
        *reason = result.reason;
    if (!result.item)
        return -1;
    return addProbedItem(path, std::move(result.item), map, sink);
}

// Runs a batch to its end; true when it was cancelled.
inline bool runBatchNow(BatchDriver &driver, const std::vector<BatchEntry> &batch, const std::string &displayName)
{
    runUntilDone([&](std::function<void()> finish) { driver.start(batch, displayName, finish); });
    return driver.cancelled();
}
