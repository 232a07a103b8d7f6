// Procedures bound to widgets, and functions registered by name.
#pragma once

#include <string>

class WSCbase;

// Trigger of a procedure that runs on the widget's own action: a drawing area
// being drawn, a button being pressed.
constexpr long WSEV_ACTIVATE = 9;

class WSCprocedure {
 public:
  WSCprocedure(const char* name, long trigger);
  // function_name is looked up in the function register when function is null.
  void setFunction(void (*function)(WSCbase*), const char* function_name);
  void run(WSCbase* widget) const;

  const std::string& name() const { return name_; }
  long trigger() const { return trigger_; }
  const std::string& functionName() const { return function_name_; }
  void (*function() const)(WSCbase*) { return function_; }

 private:
  std::string name_;
  long trigger_;
  void (*function_)(WSCbase*) = nullptr;
  std::string function_name_;
};

// Makes function findable by name while the object lives.
class WSCfunctionRegister {
 public:
  WSCfunctionRegister(const char* name, void* function);
  ~WSCfunctionRegister();
  WSCfunctionRegister(const WSCfunctionRegister&) = delete;
  WSCfunctionRegister& operator=(const WSCfunctionRegister&) = delete;

 private:
  std::string name_;
};

// The function registered under name, or null.
void* toolkit_find_function(const char* name);
