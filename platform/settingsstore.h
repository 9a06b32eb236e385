#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QSettings;

// The per-user settings store: groups ("Options", "VideoParam2\3") holding named
// text and number values. On Linux an INI file under $XDG_CONFIG_HOME/Kestrune/
// through QSettings; group paths are written with "\" as in the stored names and
// mapped to QSettings' own separator here. Texts are byte strings: valid UTF-8
// is stored as text, anything else as bytes, and both read back unchanged. Of a
// file with lines that cannot be parsed, every readable value is read; before
// the first save rewrites it, the whole file is copied to "<file>.damaged" (no
// save is made while that copy cannot be written). An unreadable file reads as
// empty. Saves are atomic and locked against other processes saving at the
// same time.
class SettingsStore {
public:
    SettingsStore();                                   // the user's own store
    explicit SettingsStore(const std::string &filePath); // a given INI file (tests)
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // True when the group holds at least one value.
    bool groupExists(const std::string &group) const;

    // A text value, or nullopt when it is missing or its length plus the
    // terminating NUL exceeds maxBytes (0: no limit).
    std::optional<std::string> readText(const std::string &group, const std::string &name,
                                        size_t maxBytes = 0) const;
    // A number value, or nullopt when missing or not a number.
    std::optional<std::uint32_t> readNumber(const std::string &group, const std::string &name) const;

    void writeText(const std::string &group, const std::string &name, const std::string &value);
    void writeNumber(const std::string &group, const std::string &name, std::uint32_t value);

    // Writes pending changes; false when this save could not be written (the
    // changes are kept in memory and tried again by the next save).
    bool sync();

private:
    void open(const std::function<std::unique_ptr<QSettings>()> &make);
    void reopen();
    bool prepareWrite();

    std::function<std::unique_ptr<QSettings>()> m_make;
    std::unique_ptr<QSettings> m_settings;
    bool m_damaged = false;   // lines of the file could not be read; no copy made yet
};
