// SPDX-License-Identifier: MIT
#ifndef SHA256API_H
#define SHA256API_H

#include <cstddef>

/*!
    What the hashing module, the one part that links OpenSSL's libcrypto, offers its loader.
    The library is loaded with the first update download, so that start-up does not pay for it.
    A context is opaque to the loader; every call reports failure instead of throwing.
*/
struct Sha256Api
{
    void* (*create)();
    void (*destroy)(void* context);
    bool (*reset)(void* context);
    bool (*add)(void* context, const char* data, std::size_t length);
    /*! Writes the 32 bytes of the digest so far; the context can still be added to. */
    bool (*result)(const void* context, unsigned char* digest);
};

#define ZENUB_SHA256_LIBRARY "libZenubSha256.so"
#define ZENUB_SHA256_ENTRY "zenubSha256Api"

#endif
