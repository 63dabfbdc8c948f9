#include "DemoProgram.h"
#include "frmDiskInfoDemo.h"

int main(int argc, char** argv) { return demo::run<frmDiskInfoDemo>(argc, argv); }
