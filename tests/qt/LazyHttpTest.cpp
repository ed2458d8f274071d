#include "LocalHttpServer.h"
#include "platform/qt/LazyHttpService.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using vellaro::qt::LazyHttpService;
using vellaro::testing::LocalHttpServer;

namespace {

void answer(const QByteArray& path, const LocalHttpServer::Connection& c) {
    c.send(LocalHttpServer::response("200 OK", "EDDT 121250Z 27010KT Q1013 " + path));
}

class LazyHttp : public ::testing::Test {
  protected:
    LocalHttpServer server{answer};
    QString url(const char* path) const { return QString::fromLatin1(server.url(path)); }
};

} // namespace

TEST_F(LazyHttp, LoadsTheModuleOnTheFirstDownloadAndHandsCallsOn) {
    QTemporaryDir empty;
    // The first folder has no module; the build folder, searched next, has it.
    LazyHttpService http({empty.path(), QStringLiteral(VELLARO_BUILD_DIR)});
    EXPECT_FALSE(http.busy());
    EXPECT_EQ(http.get(url("/a")), QStringLiteral("EDDT 121250Z 27010KT Q1013 /a"));
    EXPECT_EQ(http.get(url("/b")), QStringLiteral("EDDT 121250Z 27010KT Q1013 /b"));
    EXPECT_FALSE(http.busy());
    EXPECT_EQ(server.paths(), (QStringList{QStringLiteral("/a"), QStringLiteral("/b")}));
}

TEST_F(LazyHttp, WithoutTheModuleEveryDownloadFails) {
    QTemporaryDir empty;
    LazyHttpService http({empty.path()});
    EXPECT_EQ(http.get(url("/a")), QString());
    EXPECT_EQ(http.get(url("/b")), QString());
    EXPECT_FALSE(http.busy());
    EXPECT_TRUE(server.paths().isEmpty());
}
