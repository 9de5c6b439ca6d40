// The import policy of the shipped plug-in, checked on crafted images that keep it and
// on ones that break it in one way each.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/crafted_pe.h"
#include "tools/import_policy.h"

namespace {

using import_policy::check;
using import_policy::shippedPolicy;

crafted_pe::Contents conformingContents() {
    const auto policy = shippedPolicy();
    crafted_pe::Contents contents;
    contents.dlls = {
        {"KERNEL32.dll", {"GetTickCount", "GetPrivateProfileIntA", "Sleep"}, {}, false},
        {"msvcrt.dll", {"malloc", "free"}, {}, false},
        {"ScriptHookV.dll", policy.scriptHook, {}, false}};
    return contents;
}

std::vector<std::string> problemsOf(const crafted_pe::Contents& contents,
                                    const import_policy::Policy& policy = shippedPolicy()) {
    pe::Image image;
    std::string error;
    EXPECT_TRUE(pe::readImage(crafted_pe::build(contents), image, error)) << error;
    return check(image, policy);
}

bool mentions(const std::vector<std::string>& problems, const std::string& text) {
    return std::any_of(problems.begin(), problems.end(),
                       [&](const std::string& p) { return p.find(text) != std::string::npos; });
}

TEST(ImportPolicy, ConformingImageHasNoProblems) {
    EXPECT_TRUE(problemsOf(conformingContents()).empty());
}

TEST(ImportPolicy, ExtraKernel32FunctionIsRejected) {
    auto contents = conformingContents();
    contents.dlls[0].functions.push_back("WinExec");
    const auto problems = problemsOf(contents);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "kernel32.dll!WinExec is not on the allowed list");
}

TEST(ImportPolicy, ListWithOneNameRemovedRejectsTheImage) {
    auto policy = shippedPolicy();
    policy.kernel32.erase(std::find(policy.kernel32.begin(), policy.kernel32.end(), "Sleep"));
    EXPECT_TRUE(mentions(problemsOf(conformingContents(), policy), "kernel32.dll!Sleep"));
}

TEST(ImportPolicy, HostNamesMustBeExactlyTheBoundOnes) {
    auto missing = conformingContents();
    missing.dlls[2].functions.pop_back();
    EXPECT_TRUE(mentions(problemsOf(missing), "?nativeCall@@YAPEA_KXZ is not imported"));

    auto extra = conformingContents();
    extra.dlls[2].functions.push_back("?getGlobalPtr@@YAPEA_KH@Z");
    EXPECT_TRUE(mentions(problemsOf(extra),
                         "?getGlobalPtr@@YAPEA_KH@Z is not a host function the plug-in binds"));

    auto byOrdinal = conformingContents();
    byOrdinal.dlls[2].ordinals = {3};
    EXPECT_TRUE(mentions(problemsOf(byOrdinal), "ScriptHookV.dll import by ordinal 3"));

    auto none = conformingContents();
    none.dlls.pop_back();
    EXPECT_TRUE(mentions(problemsOf(none), "imports nothing from ScriptHookV.dll"));
}

TEST(ImportPolicy, CppRuntimeAndForeignDllsAreRejected) {
    for (const char* runtime : {"libstdc++-6.dll", "libgcc_s_seh-1.dll", "libwinpthread-1.dll"}) {
        auto contents = conformingContents();
        contents.dlls.push_back({runtime, {"anything"}, {}, false});
        EXPECT_TRUE(
            mentions(problemsOf(contents), std::string("needs the C++ runtime DLL ") + runtime));
    }
    auto foreign = conformingContents();
    foreign.dlls.push_back({"d3d11.dll", {"D3D11CreateDevice"}, {}, true});
    EXPECT_TRUE(mentions(problemsOf(foreign), "imports from d3d11.dll, which is not a system DLL"));
}

TEST(ImportPolicy, ExportsStampsAndNonDllImagesAreRejected) {
    auto exporting = conformingContents();
    exporting.exports = {"_Unwind_Resume"};
    EXPECT_TRUE(mentions(problemsOf(exporting), "exports 1 names, the first _Unwind_Resume"));
    auto program = conformingContents();
    program.dll = false;
    EXPECT_TRUE(mentions(problemsOf(program), "not a DLL"));
    auto stamped = conformingContents();
    stamped.timeDateStamp = 0x6578A2C0;
    EXPECT_TRUE(mentions(problemsOf(stamped), "carries its link time"));
}

// VelquistCheck.exe: a program, any function of the system DLLs, and nothing else.
TEST(ImportPolicy, StandaloneProgramNeedsSystemDllsAlone) {
    auto standaloneProblems = [](const crafted_pe::Contents& contents) {
        pe::Image image;
        std::string error;
        EXPECT_TRUE(pe::readImage(crafted_pe::build(contents), image, error)) << error;
        return import_policy::checkStandalone(image);
    };
    crafted_pe::Contents program;
    program.dll = false;
    program.dlls = {{"KERNEL32.dll", {"GetPrivateProfileIntA", "WinExec"}, {}, false},
                    {"USER32.dll", {"GetSystemMetrics"}, {}, false}};
    EXPECT_TRUE(standaloneProblems(program).empty());

    auto bad = program;
    bad.dll = true;
    bad.timeDateStamp = 0x6578A2C0;
    bad.dlls.push_back({"ScriptHookV.dll", {"?scriptWait@@YAXK@Z"}, {}, false});
    bad.dlls.push_back({"libstdc++-6.dll", {"_ZdlPv"}, {}, false});
    const auto problems = standaloneProblems(bad);
    EXPECT_EQ(problems.size(), 4u);
    EXPECT_TRUE(mentions(problems, "is a DLL, not a program"));
    EXPECT_TRUE(mentions(problems, "carries its link time"));
    EXPECT_TRUE(mentions(problems, "ScriptHookV.dll, which is not a system DLL"));
    EXPECT_TRUE(mentions(problems, "C++ runtime DLL libstdc++-6.dll"));
}

TEST(ImportPolicy, SystemDllNamesIgnoreCase) {
    EXPECT_TRUE(import_policy::isSystemDll("KERNEL32.DLL"));
    EXPECT_TRUE(import_policy::isSystemDll("api-ms-win-crt-runtime-l1-1-0.dll"));
    EXPECT_FALSE(import_policy::isSystemDll("ScriptHookV.dll"));
    EXPECT_TRUE(import_policy::isCppRuntimeDll("LIBSTDC++-6.DLL"));
}

}  // namespace
