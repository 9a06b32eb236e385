#pragma once

#include <string>

// Where the batch loop shows each row's outcome: the file list.
class BatchStatusSink {
public:
    virtual ~BatchStatusSink() = default;
    // Scrolls the row fully into view.
    virtual void ensureRowVisible(int row) = 0;
    // Writes the row's Status cell; its detail is cleared.
    virtual void setStatus(int row, const std::string &text) = 0;
    // More words about the status for the row's tooltip: where the output
    // went, or why the file was not converted.
    virtual void setStatusDetail(int /*row*/, const std::string & /*detail*/) {}
};
