// The help page lists the functions of the main program and of every loaded
// library, from their own help texts.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "shell/help_page.h"
#include "window_fixture.h"

namespace orvana::qt::testing {
namespace {

TEST_F(WindowTest, TheHelpPageIsCompletedWithTheLoadedLibrariesAndOpensAtItsAnchor) {
    const std::string section = shell::functionsSection();
    EXPECT_NE(section.find("<h3>Main program</h3>"), std::string::npos);
    EXPECT_NE(section.find("<h3>Scientific</h3>"), std::string::npos);
    EXPECT_NE(section.find("<h3>Advanced</h3>"), std::string::npos);
    // Text is escaped for HTML.
    EXPECT_EQ(section.find("<tr><td><"), std::string::npos);

    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    press(Qt::Key_F1);
    ASSERT_EQ(backend_->helpRequests().size(), 1u);
    const QString request = QString::fromStdU16String(backend_->helpRequests()[0]);
    EXPECT_TRUE(request.endsWith("/orvana/Orvana.htm#Main_Contents")) << request.toStdString();
    QFile page(request.section('#', 0, 0));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    EXPECT_TRUE(html.contains("id=\"Main_Contents\""));
    EXPECT_TRUE(html.contains("<h3>Scientific</h3>"));
    EXPECT_FALSE(html.contains("<!--FUNCTIONS-->"));
}

}  // namespace
}  // namespace orvana::qt::testing
