#include "app/procedures.h"
#include "app/startup.h"

namespace {

// Built before start-up and kept to the end of the process: "wareki" first.
WSCfunctionRegister wareki_register("wareki", reinterpret_cast<void*>(wareki));
WSCfunctionRegister draw_register("draw", reinterpret_cast<void*>(draw));

// The application is prepared before the toolkit's main routine runs.
const bool prepared = (_newproject(), true);

}  // namespace

void _newproject() {
  WSGFdeviceInitialize();
  WSGIappDev()->setInitHandler(_font_init_);
  WSGIappDev()->setInitHandler(_mouse_init_);
  WSGIappLocaleSet()->setDefaultEncoding(WS_EUC_SJIS);
  WSGIappDev()->setInstanceName("newproject");
  WSGIappDev()->setInitHandler(_create_win_newwin000);
}

int WinMain(int argc, char** argv, char** envp, void* reserved) {
  return _win_main(argc, argv, envp, reserved);
}
