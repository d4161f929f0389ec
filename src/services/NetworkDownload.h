#pragma once

#include "update/Download.h"

class QUrl;

// The updater's transfers over HTTP(S), with libcurl: it holds a body to its
// framing (a length, chunks or HTTP/2's frames), where Qt 6.4's own client
// can pass a chunked body cut short by a closed connection as whole. The
// system's proxy and Qt's trusted certificates are used as Qt would use them.
namespace NetworkDownload {

// Each transfer on a pooled thread; `done` on the caller's.
Download::Function function();

// True for an absolute https URL, or http on a loopback address.
bool isAcceptableAddress(const QUrl& url);

} // namespace NetworkDownload
