#include "../TestSupport.h"
#include "platform/MessageBox.h"
#include "platform/WebOpener.h"
#include "services/Sound.h"

#include <gtest/gtest.h>

namespace {
struct OpenerGuard {
    ~OpenerGuard() { platform::SetWebOpenerProgram("xdg-open"); }
};
} // namespace

// No test here ever starts a real browser: the opener is replaced by programs that only exit.
TEST(WebPageTest, ReportsAMissingOpener) {
    testsupport::ProgramSandbox box;
    OpenerGuard guard;
    platform::MessageScript script;
    Shared().GameTitle = "Crestal!";
    platform::SetWebOpenerProgram("no-such-opener-anywhere");
    OpenWebPage(nullptr, "https://example.invalid/");
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.asked()[0].text, "Unable to find default web Browser");
    EXPECT_EQ(script.asked()[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(script.asked()[0].title, "Crestal!");
}

TEST(WebPageTest, ReportsAFailingOpenerAndStaysQuietOnSuccess) {
    testsupport::ProgramSandbox box;
    OpenerGuard guard;
    platform::MessageScript script;
    Shared().GameTitle = "Sumbry!";
    platform::SetWebOpenerProgram("false");
    OpenWebPage(nullptr, "https://example.invalid/page");
    ASSERT_TRUE(platform::WaitForOpeners(5000));
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.asked()[0].text, "Unable to open web page 'https://example.invalid/page'.");

    script.clearAsked();
    platform::SetWebOpenerProgram("true");
    OpenWebPage(nullptr, "https://example.invalid/page");
    ASSERT_TRUE(platform::WaitForOpeners(5000));
    EXPECT_TRUE(script.asked().empty());
}
