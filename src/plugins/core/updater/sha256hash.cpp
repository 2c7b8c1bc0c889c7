// SPDX-License-Identifier: MIT
#include "sha256hash.h"

#include "sha256api.h"
#include "updaterlogging.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <dlfcn.h>
#endif

namespace {

#ifdef Q_OS_UNIX
// The module sits in the folder of the libraries, one folder above the core plugin, or beside
// lib/ for programs built with the core. An explicit path, because dlopen() searches the run
// paths of its caller, and under the address sanitizer that caller is the sanitizer's library.
QString moduleLibraryPath()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&moduleLibraryPath), &info) || !info.dli_fname)
        return QStringLiteral(ZENUB_SHA256_LIBRARY);
    const QDir here = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteDir();
    for (const char* folder : {".", "..", "../lib/zenub", "../../lib/zenub"}) {
        const QString candidate = QDir::cleanPath(here.filePath(
            QLatin1String(folder) + QLatin1Char('/') + QLatin1String(ZENUB_SHA256_LIBRARY)));
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return QStringLiteral(ZENUB_SHA256_LIBRARY);
}
#endif

// Loaded once and kept, tried once: a module that is missing stays missing.
const Sha256Api* loadApi()
{
#ifdef Q_OS_UNIX
    static void* handle = nullptr;
#endif
    static const Sha256Api* const api = []() -> const Sha256Api* {
#ifdef Q_OS_UNIX
        handle = dlopen(QFile::encodeName(moduleLibraryPath()).constData(), RTLD_NOW | RTLD_LOCAL);
        using Entry = const Sha256Api* (*)();
        const auto entry =
            handle ? reinterpret_cast<Entry>(dlsym(handle, ZENUB_SHA256_ENTRY)) : nullptr;
        if (entry)
            return entry();
        qCWarning(lcUpdater).noquote()
            << "Hashing downloads with Qt's SHA-256:" << QString::fromLocal8Bit(dlerror());
#endif
        return nullptr;
    }();
    return api;
}

} // namespace

Sha256Hash::Sha256Hash()
    : m_api(loadApi())
{
    if (m_api)
        m_context = m_api->create();
    if (!m_context)
        m_fallback = std::make_unique<QCryptographicHash>(QCryptographicHash::Sha256);
}

Sha256Hash::~Sha256Hash()
{
    if (m_context)
        m_api->destroy(m_context);
}

void Sha256Hash::reset()
{
    m_failed = false;
    if (m_context)
        m_failed = !m_api->reset(m_context);
    else
        m_fallback->reset();
}

void Sha256Hash::addData(const char* data, qint64 length)
{
    if (m_failed || length <= 0)
        return;
    if (m_context) {
        m_failed = !m_api->add(m_context, data, static_cast<std::size_t>(length));
        return;
    }
    // Qt takes an int at a time.
    while (length > 0) {
        const int piece = static_cast<int>(qMin<qint64>(length, 1 << 30));
        m_fallback->addData(data, piece);
        data += piece;
        length -= piece;
    }
}

QByteArray Sha256Hash::result() const
{
    if (m_failed)
        return QByteArray();
    if (!m_context)
        return m_fallback->result();
    QByteArray digest(32, Qt::Uninitialized);
    return m_api->result(m_context, reinterpret_cast<unsigned char*>(digest.data())) ? digest
                                                                                     : QByteArray();
}
