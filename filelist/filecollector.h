#pragma once

#include <functional>
#include <set>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

// Collects the pending list of one add operation: folders searched in depth,
// dropped names, each file passed through the extension filter, shortcuts
// followed. Only regular files (after following symbolic links) are collected:
// a FIFO or a device would block the probe.
class FileCollector {
public:
    // filterEnabled is EnableExtFilter; filterList the extension filter list
    // (lower-case extensions without dots, empty entries kept).
    FileCollector(bool filterEnabled, std::vector<std::string> filterList);

    // Searches the folder and all its subfolders: each folder's files before
    // its subfolders' files, the entries of each folder in name order. Linked
    // folders are followed; a folder reached twice (a link cycle) is searched
    // once.
    void searchFolder(const std::string &folder);
    // One dropped name: a folder is searched, a regular file filtered, anything
    // else left out.
    void addDropped(const std::string &name);
    // One name given on a command line: a folder is searched, a regular file
    // taken as it is, as a file picked in the Add Files dialog.
    void addNamed(const std::string &name);
    // The filter step for one file path.
    void filterPath(const std::string &path);
    // How many files the extension filter has left out so far.
    int filteredOut() const { return m_filteredOut; }

    // Called during a search after each folder's files with the pending list so far,
    // which it may take from; returning false stops the search there.
    using Progress = std::function<bool(std::vector<std::string> &pending)>;
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    const std::vector<std::string> &pending() const { return m_pending; }
    std::vector<std::string> takePending();

    // The text after the last "." of the file-name part, lower-cased; empty
    // when the file name holds no ".".
    static std::string extensionKey(const std::string &path);

    // How many shortcuts in a row are followed before giving up.
    static constexpr int kMaxShortcutChain = 8;

private:
    bool passesFilter(const std::string &key) const;
    using FolderId = std::pair<dev_t, ino_t>;
    void searchTree(const std::string &folder, std::set<FolderId> &seen);

    bool m_filterEnabled;
    std::vector<std::string> m_filterList;
    std::vector<std::string> m_pending;
    int m_filteredOut = 0;
    Progress m_progress;
    bool m_stopped = false;
};
