#pragma once

#include <string>

namespace keyloom::test {

// A fresh temporary folder, removed at the end of the test program.
std::string MakeTemporaryFolder();

// The private HOME of this test program; the XDG variables point inside it.
const std::string& TestHome();

}  // namespace keyloom::test
