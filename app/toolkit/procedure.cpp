#include "app/toolkit/procedure.h"

#include <map>

namespace {

std::map<std::string, void*>& function_register() {
  static std::map<std::string, void*> functions;
  return functions;
}

}  // namespace

WSCprocedure::WSCprocedure(const char* name, long trigger) : name_(name ? name : ""), trigger_(trigger) {}

void WSCprocedure::setFunction(void (*function)(WSCbase*), const char* function_name) {
  function_ = function;
  function_name_ = function_name ? function_name : "";
}

void WSCprocedure::run(WSCbase* widget) const {
  auto f = function_;
  if (!f) f = reinterpret_cast<void (*)(WSCbase*)>(toolkit_find_function(function_name_.c_str()));
  if (f) f(widget);
}

WSCfunctionRegister::WSCfunctionRegister(const char* name, void* function) : name_(name ? name : "") {
  function_register()[name_] = function;
}

WSCfunctionRegister::~WSCfunctionRegister() { function_register().erase(name_); }

void* toolkit_find_function(const char* name) {
  const auto& functions = function_register();
  const auto it = functions.find(name ? name : "");
  return it == functions.end() ? nullptr : it->second;
}
