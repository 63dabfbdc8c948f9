#include "DemoProgram.h"
#include "frmFormFunctionsDemo.h"

int main(int argc, char** argv) { return demo::run<frmFormFunctionsDemo>(argc, argv); }
