// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

#include <QString>

// What the fuzz targets share: a headless application in a private folder, and a way to stop on
// a broken promise so that the fuzzer keeps the input.
namespace FuzzSupport {

// Isolates the environment as the tests do (TestSupport::isolateEnvironment), makes a folder of
// it the working directory (no default picture there), and creates the application object,
// headless. Call once, from LLVMFuzzerInitialize.
void startApplication(const char *programName);

// The private folder of startApplication.
QString workFolder();

// Reports what was broken and aborts, which the fuzzer records as a crash.
[[noreturn]] void fail(const char *what);

} // namespace FuzzSupport

#endif // FUZZSUPPORT_H
