#pragma once
// One runner per test class of the text toolkit; main.cpp runs them all.

namespace lumvane::tests {

int RunMarkerSearchTests(int argc, char** argv);
int RunHtmlTextTests(int argc, char** argv);
int RunFileNameTextTests(int argc, char** argv);
int RunCodePageTests(int argc, char** argv);
int RunConfigTextTests(int argc, char** argv);

}  // namespace lumvane::tests
