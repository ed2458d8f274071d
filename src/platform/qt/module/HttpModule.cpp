// The network stack as a module of its own: Qt's network library and the ones it
// pulls in (Kerberos, proxy discovery, TLS) are loaded with the first download, not
// at every start of the program.
#include "platform/qt/QtHttpService.h"

extern "C" Q_DECL_EXPORT vellaro::HttpService* vellaro_create_http_service() {
    return new vellaro::qt::QtHttpService();
}
