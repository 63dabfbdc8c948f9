#include "DemoProgram.h"
#include "frmIconsDemo.h"

int main(int argc, char** argv) { return demo::run<frmIconsDemo>(argc, argv); }
