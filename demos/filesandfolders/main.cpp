#include "DemoProgram.h"
#include "frmFilesAndFoldersDemo.h"

int main(int argc, char** argv) { return demo::run<frmFilesAndFoldersDemo>(argc, argv); }
