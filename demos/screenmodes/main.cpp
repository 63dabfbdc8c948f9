#include "DemoProgram.h"
#include "frmScreenModesDemo.h"

int main(int argc, char** argv) { return demo::run<frmScreenModesDemo>(argc, argv); }
