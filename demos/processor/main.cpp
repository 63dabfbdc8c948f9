#include "DemoProgram.h"
#include "frmProcessorDemo.h"

int main(int argc, char** argv) { return demo::run<frmProcessorDemo>(argc, argv); }
