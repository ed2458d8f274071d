// The network stack as a module of its own: Qt's network library and the ones it
// pulls in (Kerberos, proxy discovery, TLS) are loaded with the first download, not
// at every start of the program. The link to the ATC client comes from here too.
#include "platform/qt/QtAtcClientLink.h"
#include "platform/qt/QtHttpService.h"

extern "C" Q_DECL_EXPORT vellaro::HttpService* vellaro_create_http_service() {
    return new vellaro::qt::QtHttpService();
}

extern "C" Q_DECL_EXPORT vellaro::AtcClientLink* vellaro_create_atc_client_link() {
    return new vellaro::qt::QtAtcClientLink();
}
