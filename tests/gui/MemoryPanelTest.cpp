#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>

#include "MainWindowFixture.h"

namespace {

// Linux's own memory figures in kB, as Wine sees the Linux root at Z:.
std::map<std::string, std::uint64_t> KernelMemoryInfo() {
    std::ifstream file("Z:\\proc\\meminfo");
    std::map<std::string, std::uint64_t> values;
    std::string key;
    std::uint64_t kilobytes;
    std::string unit;
    for (std::string line; std::getline(file, line);) {
        std::istringstream fields(line);
        if (fields >> key >> kilobytes) values[key.substr(0, key.size() - 1)] = kilobytes;
    }
    return values;
}

std::uint64_t Megabytes(const std::string& text) {
    EXPECT_EQ(text.substr(text.size() - 3), " MB") << text;
    return std::stoull(text);
}

TEST_F(MainWindowTest, MemoryFiguresAgreeWithTheKernel) {
    const auto kernel = KernelMemoryInfo();
    if (kernel.empty()) GTEST_SKIP() << "no Z:\\proc\\meminfo: not running under Wine on Linux";
    CreateAndShow();
    ASSERT_TRUE(PumpUntil([this] { return form_->Label2.Caption() != "0"; }));
    TFormMain& f = *form_;

    // Totals are fixed: they must match to the megabyte, whatever the machine's size.
    EXPECT_EQ(Megabytes(WindowText(f.Label2.Handle())), kernel.at("MemTotal") / 1024);
    EXPECT_EQ(Megabytes(WindowText(f.Label6.Handle())), (kernel.at("MemTotal") + kernel.at("SwapTotal")) / 1024);
    // Free memory moves while the test runs: allow 5 % of the total.
    const auto kernelFree = (kernel.at("MemFree") + kernel.at("Buffers") + kernel.at("Cached")) / 1024;
    const auto tolerance = kernel.at("MemTotal") / 1024 / 20;
    EXPECT_NEAR(static_cast<double>(Megabytes(WindowText(f.Label4.Handle()))), static_cast<double>(kernelFree),
                static_cast<double>(tolerance));
    EXPECT_LE(Megabytes(WindowText(f.Label8.Handle())), Megabytes(WindowText(f.Label6.Handle())));

    // The percentage text and the bar show the same load, from the same query.
    const std::string load = WindowText(f.Label10.Handle());
    ASSERT_GE(load.size(), 3u);
    EXPECT_EQ(load.substr(load.size() - 2), " %");
    const int percent = std::stoi(load);
    EXPECT_GE(percent, 0);
    EXPECT_LE(percent, 100);
    EXPECT_EQ(f.ProgressBar1.Position(), percent);
}

}  // namespace
