#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QObject>

class ConverterRunner;
class ProbeService;

// Runs queued tasks in the order they were submitted, at most `slotCount` at once, each
// on a slot of its own: the one scheduler behind adding files, the album pass and the
// batch. A slot has a converter runner, made when first asked for, and optionally a
// share of a long-lived probe service. Cancel-all ends what runs; a task that finds
// the converter missing stops the queue, since every file after it would fail alike.
class RunnerPool : public QObject {
    Q_OBJECT
public:
    // Started when a slot is free. True when work now runs on the slot (its end, later
    // from the event loop, is told with finish(slot)); false when there was nothing to
    // run and the task is over already (a skipped file, a duplicate).
    using Task = std::function<bool(int slot)>;

    explicit RunnerPool(int slotCount, QObject *parent = nullptr);
    // Runners and services kill and reap what they run; nothing is reported.
    ~RunnerPool() override;

    int slotCount() const { return static_cast<int>(m_busy.size()); }
    ConverterRunner &runner(int slot);
    // Slots 0..n-1 share one probe service of toolPath, n..2n-1 the next, and so on:
    // a file waits in the tool while the one before it is read.
    void useProbeServices(std::string toolPath, int slotsPerService);
    ProbeService &probeService(int slot);
    // How running work is ended at once; by default the slot's runner is cancelled.
    void setCancelSlot(std::function<void(int slot)> cancelSlot) { m_cancelSlot = std::move(cancelSlot); }

    // Queues tasks behind those already there and starts what fits.
    void submit(std::vector<Task> tasks);
    // The work on slot has ended. toolMissing: the converter could not be run at
    // all; no queued task starts any more.
    void finish(int slot, bool toolMissing = false);
    // Starts no queued task any more; running ones go on to their ends.
    void stop();
    // Stops, and ends the running work at once; each end follows through finish().
    void cancelAll();

    int running() const { return m_running; }
    bool isRunning(int slot) const;
    bool stopped() const { return m_stopped; }
    bool cancelled() const { return m_cancelled; }
    bool toolMissing() const { return m_toolMissing; }
    // Nothing runs and no queued task will start.
    bool isIdle() const;

signals:
    // The task on slot has ended; its slot is free again.
    void taskFinished(int slot);
    // The pool has fallen idle: every task submitted so far is over or will not start.
    void drained();

private:
    void fill();
    void announceIfIdle();

    std::vector<bool> m_busy;
    std::vector<std::unique_ptr<ConverterRunner>> m_runners;
    std::vector<std::unique_ptr<ProbeService>> m_services;
    std::string m_probeTool;
    int m_slotsPerService = 1;
    std::function<void(int)> m_cancelSlot;
    std::deque<Task> m_queue;
    int m_running = 0;
    bool m_stopped = false;
    bool m_cancelled = false;
    bool m_toolMissing = false;
    bool m_filling = false;
    bool m_announced = false;
};
