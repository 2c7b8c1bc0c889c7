// SPDX-License-Identifier: MIT
#include "updater/sha256api.h"

#include <QtGlobal>

#include <openssl/evp.h>

namespace {

EVP_MD_CTX* contextOf(void* context)
{
    return static_cast<EVP_MD_CTX*>(context);
}

bool reset(void* context)
{
    return EVP_DigestInit_ex(contextOf(context), EVP_sha256(), nullptr) == 1;
}

void* create()
{
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    if (context && !reset(context)) {
        EVP_MD_CTX_free(context);
        return nullptr;
    }
    return context;
}

void destroy(void* context)
{
    EVP_MD_CTX_free(contextOf(context));
}

bool add(void* context, const char* data, std::size_t length)
{
    return EVP_DigestUpdate(contextOf(context), data, length) == 1;
}

// Finishing ends a context, so a copy is finished and the original can go on.
bool result(const void* context, unsigned char* digest)
{
    EVP_MD_CTX* copy = EVP_MD_CTX_new();
    unsigned int length = 0;
    const bool done = copy &&
                      EVP_MD_CTX_copy_ex(copy, static_cast<const EVP_MD_CTX*>(context)) == 1 &&
                      EVP_DigestFinal_ex(copy, digest, &length) == 1 && length == 32;
    EVP_MD_CTX_free(copy);
    return done;
}

} // namespace

extern "C" Q_DECL_EXPORT const Sha256Api* zenubSha256Api()
{
    static const Sha256Api api{create, destroy, reset, add, result};
    return &api;
}
