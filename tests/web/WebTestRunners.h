#pragma once
// One runner per test class of the web access layer; main.cpp and
// timing_main.cpp run them.

namespace lumvane::tests {

int RunHttpServerTests(int argc, char** argv);
int RunUrlSourceTests(int argc, char** argv);
int RunPageTextTests(int argc, char** argv);
int RunHttpSessionTests(int argc, char** argv);
int RunSiteConfigTests(int argc, char** argv);
int RunTransferTimingTests(int argc, char** argv);

}  // namespace lumvane::tests
