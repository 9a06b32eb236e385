#include "converter/runnerpool.h"

#include <algorithm>

#include "converter/converterrunner.h"
#include "converter/probeservice.h"

RunnerPool::RunnerPool(int slotCount, QObject *parent)
    : QObject(parent), m_busy(static_cast<std::size_t>(std::max(slotCount, 1)), false)
{
}

RunnerPool::~RunnerPool() = default;

ConverterRunner &RunnerPool::runner(int slot)
{
    while (static_cast<int>(m_runners.size()) <= slot)
        m_runners.push_back(std::make_unique<ConverterRunner>());
    return *m_runners[static_cast<std::size_t>(slot)];
}

void RunnerPool::useProbeServices(std::string toolPath, int slotsPerService)
{
    m_probeTool = std::move(toolPath);
    m_slotsPerService = std::max(slotsPerService, 1);
}

ProbeService &RunnerPool::probeService(int slot)
{
    const std::size_t service = static_cast<std::size_t>(slot / m_slotsPerService);
    while (m_services.size() <= service)
        m_services.push_back(std::make_unique<ProbeService>(m_probeTool));
    return *m_services[service];
}

bool RunnerPool::isRunning(int slot) const
{
    return slot >= 0 && slot < slotCount() && m_busy[static_cast<std::size_t>(slot)];
}

bool RunnerPool::isIdle() const
{
    return m_running == 0 && (m_queue.empty() || m_stopped || m_toolMissing);
}

void RunnerPool::submit(std::vector<Task> tasks)
{
    for (Task &task : tasks)
        m_queue.push_back(std::move(task));
    if (!m_queue.empty())
        m_announced = false;
    fill();
    announceIfIdle();
}

void RunnerPool::fill()
{
    // A task over at once may lead its owner to submit more: one loop does them all.
    if (m_filling)
        return;
    m_filling = true;
    while (m_running < slotCount() && !m_queue.empty() && !m_stopped && !m_toolMissing) {
        Task task = std::move(m_queue.front());
        m_queue.pop_front();
        const int slot = static_cast<int>(std::find(m_busy.begin(), m_busy.end(), false) - m_busy.begin());
        m_busy[static_cast<std::size_t>(slot)] = true;
        ++m_running;
        if (!task(slot)) {
            m_busy[static_cast<std::size_t>(slot)] = false;
            --m_running;
        }
    }
    m_filling = false;
}

void RunnerPool::finish(int slot, bool toolMissing)
{
    if (!isRunning(slot))
        return;
    m_busy[static_cast<std::size_t>(slot)] = false;
    --m_running;
    if (toolMissing)
        m_toolMissing = true;
    emit taskFinished(slot);
    fill();
    announceIfIdle();
}

void RunnerPool::stop()
{
    m_stopped = true;
    announceIfIdle();
}

void RunnerPool::cancelAll()
{
    m_stopped = true;
    m_cancelled = true;
    m_queue.clear();
    // An end told at once frees its slot before the next is looked at.
    for (int slot = 0; slot < slotCount(); ++slot) {
        if (!isRunning(slot))
            continue;
        if (m_cancelSlot)
            m_cancelSlot(slot);
        else if (static_cast<std::size_t>(slot) < m_runners.size())
            m_runners[static_cast<std::size_t>(slot)]->cancel();
    }
    announceIfIdle();
}

void RunnerPool::announceIfIdle()
{
    if (m_announced || m_filling || !isIdle())
        return;
    m_announced = true;
    emit drained();
}
