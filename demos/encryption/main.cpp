#include "DemoProgram.h"
#include "frmEncryptionDemo.h"

int main(int argc, char** argv) { return demo::run<frmEncryptionDemo>(argc, argv); }
