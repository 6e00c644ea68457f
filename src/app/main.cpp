#include "app/CKeyloomApp.h"

int main(int argc, char** argv) {
    return keyloom::CKeyloomApp(argc, argv).InitInstance();
}
