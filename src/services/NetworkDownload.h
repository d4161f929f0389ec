#pragma once

#include "update/Download.h"

class QNetworkAccessManager;
class QUrl;

// The updater's transfers over HTTP(S), with Qt's network stack.
namespace NetworkDownload {

// Transfers through `network`, which must outlive them.
Download::Function through(QNetworkAccessManager& network);

// True for an absolute https URL, or http on a loopback address.
bool isAcceptableAddress(const QUrl& url);

} // namespace NetworkDownload
