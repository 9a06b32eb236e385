#include "platform/settingsstore.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace {

constexpr const char *kOrganisation = "Kestrune";
constexpr const char *kApplication = "Sonavert";

// Stored group paths use "\" between their elements; QSettings uses "/".
QString groupPath(const std::string &group)
{
    QString path = QString::fromUtf8(group.data(), static_cast<qsizetype>(group.size()));
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

QString keyPath(const std::string &group, const std::string &name)
{
    return groupPath(group) + QLatin1Char('/')
        + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

bool isValidUtf8(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

// The bytes of a stored text. Texts are kept as UTF-8 strings; bytes that are
// not valid UTF-8 are kept as a byte array so a path survives unchanged. A hand
// written, unquoted "a,b" comes back from the INI reader as a list: join it.
QByteArray storedBytes(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::QByteArray:
        return value.toByteArray();
    case QMetaType::QStringList:
        return value.toStringList().join(QLatin1Char(',')).toUtf8();
    case QMetaType::QVariantList: {
        QStringList pieces;
        for (const QVariant &piece : value.toList())
            pieces.append(piece.toString());
        return pieces.join(QLatin1Char(',')).toUtf8();
    }
    default:
        return value.toString().toUtf8();
    }
}

} // namespace

SettingsStore::SettingsStore()
{
    open([] {
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           QString::fromLatin1(kOrganisation),
                                           QString::fromLatin1(kApplication));
    });
}

SettingsStore::SettingsStore(const std::string &filePath)
{
    const QString name = QFile::decodeName(QByteArray(filePath.data(), static_cast<qsizetype>(filePath.size())));
    open([name] { return std::make_unique<QSettings>(name, QSettings::IniFormat); });
}

SettingsStore::~SettingsStore()
{
    // Whatever is still pending is written by QSettings' own destructor.
}

void SettingsStore::open(const std::function<std::unique_ptr<QSettings>()> &make)
{
    m_make = make;
    m_settings = m_make();
    // Sections are parsed lazily; parse them all now so that damage anywhere in
    // the file is seen before the first value is read.
    (void)m_settings->allKeys();
    // The reader skips the lines it cannot read and keeps the rest; the file is
    // copied aside before a save leaves those lines out.
    m_damaged = m_settings->status() == QSettings::FormatError;
    if (m_settings->status() != QSettings::NoError)
        reopen();
}

void SettingsStore::reopen()
{
    // QSettings keeps the first error it meets for the life of the object. A new
    // object over the same file, made while the old one still holds it, shares
    // its parsed contents and pending changes and starts with a clean status.
    std::unique_ptr<QSettings> fresh = m_make();
    m_settings = std::move(fresh);
}

bool SettingsStore::groupExists(const std::string &group) const
{
    m_settings->beginGroup(groupPath(group));
    const bool exists = !m_settings->childKeys().isEmpty();
    m_settings->endGroup();
    return exists;
}

std::optional<std::string> SettingsStore::readText(const std::string &group, const std::string &name,
                                                   size_t maxBytes) const
{
    const QVariant value = m_settings->value(keyPath(group, name));
    if (!value.isValid())
        return std::nullopt;
    QByteArray bytes = storedBytes(value);
    // The stored size counts the terminating NUL; a value that does not fit
    // the reader's buffer is not read at all.
    if (maxBytes != 0 && static_cast<size_t>(bytes.size()) + 1 > maxBytes)
        return std::nullopt;
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::optional<std::uint32_t> SettingsStore::readNumber(const std::string &group,
                                                       const std::string &name) const
{
    const QVariant value = m_settings->value(keyPath(group, name));
    if (!value.isValid())
        return std::nullopt;
    const QString text = QString::fromUtf8(storedBytes(value)).trimmed();
    bool ok = false;
    const uint number = text.toUInt(&ok);
    if (ok)
        return number;
    // A negative number written by hand keeps its 32-bit pattern, as a DWORD would.
    const int negative = text.toInt(&ok);
    if (ok)
        return static_cast<std::uint32_t>(negative);
    return std::nullopt;
}

bool SettingsStore::prepareWrite()
{
    if (!m_damaged)
        return true;
    // Once: the whole damaged file goes beside it as "<name>.damaged". Without
    // that copy nothing is written, so the file is never lost.
    const QString name = m_settings->fileName();
    QFile original(name);
    QSaveFile copy(name + QStringLiteral(".damaged"));
    if (!original.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = original.readAll();
    if (copy.write(bytes) != bytes.size() || !copy.commit())
        return false;
    m_damaged = false;
    return true;
}

void SettingsStore::writeText(const std::string &group, const std::string &name, const std::string &value)
{
    if (!prepareWrite())
        return;
    const QByteArray bytes(value.data(), static_cast<qsizetype>(value.size()));
    if (isValidUtf8(bytes))
        m_settings->setValue(keyPath(group, name), QString::fromUtf8(bytes));
    else
        m_settings->setValue(keyPath(group, name), bytes);
}

void SettingsStore::writeNumber(const std::string &group, const std::string &name, std::uint32_t value)
{
    if (!prepareWrite())
        return;
    m_settings->setValue(keyPath(group, name), static_cast<uint>(value));
}

bool SettingsStore::sync()
{
    if (m_damaged)
        return false;
    // The new object writes the pending changes while it opens the file, so its
    // status is the outcome of this save alone.
    reopen();
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
