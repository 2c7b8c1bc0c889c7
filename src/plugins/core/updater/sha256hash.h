// SPDX-License-Identifier: MIT
#ifndef SHA256HASH_H
#define SHA256HASH_H

#include <QByteArray>

#include <memory>

class QCryptographicHash;
struct Sha256Api;

/*!
    A SHA-256 digest fed piece by piece. It hashes with OpenSSL's libcrypto, which uses the
    processor's SHA instructions, through the hashing module loaded with the first digest made;
    where the module cannot be loaded, with Qt's own, which gives the same digest several times
    slower. A failure inside libcrypto leaves an empty result, which matches no digest.
*/
class Sha256Hash
{
public:
    Sha256Hash();
    ~Sha256Hash();
    Sha256Hash(const Sha256Hash&) = delete;
    Sha256Hash& operator=(const Sha256Hash&) = delete;

    void reset();
    void addData(const char* data, qint64 length);
    /*! The 32 bytes of the digest of what was added so far; empty after a failure. */
    QByteArray result() const;

private:
    const Sha256Api* m_api;
    void* m_context = nullptr;
    std::unique_ptr<QCryptographicHash> m_fallback;
    bool m_failed = false;
};

#endif
