#include "app/startup.h"

int main(int argc, char** argv, char** envp) { return WinMain(argc, argv, envp, nullptr); }
