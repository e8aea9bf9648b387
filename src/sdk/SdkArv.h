#pragma once

// Private to the SDK layer: what the Aravis-backed classes share. Nothing
// outside src/sdk includes this header.

#include "sdk/SdkResult.h"

#include <arv.h>

#include <string>

// The result a camera SDK reports for an Aravis error; frees the error. No
// error gives OK.
SdkResult ResultFromError(GError* error);

// Runs an Aravis call that reports failure through a GError.
template <class Call>
SdkResult ArvCall(Call&& call)
{
    GError* error = nullptr;
    call(&error);
    return ResultFromError(error);
}

// "192.168.0.10" for a GInetAddress (or the address of a GInetSocketAddress).
std::string AddressText(GInetAddress* address);
std::string AddressText(GSocketAddress* address);

// Takes a reference to object and drops it on a thread of its own once every
// other holder has let go, so that whatever freeing it costs (Aravis still
// talking to a camera that no longer answers) never holds up the caller.
void ReleaseLastOnOwnThread(gpointer object);
