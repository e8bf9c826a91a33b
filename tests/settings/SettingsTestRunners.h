#pragma once
// One runner per test class of the settings store; main.cpp runs them all.

namespace lumvane::tests {

int RunSettingsBlockTests(int argc, char** argv);
int RunSettingsFileTests(int argc, char** argv);
int RunIniTests(int argc, char** argv);
int RunExtensionSettingsTests(int argc, char** argv);

}  // namespace lumvane::tests
