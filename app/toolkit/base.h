// The base of every widget: a name, a parent, properties by name, procedures,
// and the Qt widget that shows it. Children sit at absolute positions in their
// parent; positions and sizes are pixels.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/toolkit/variant.h"

class QWidget;

class WSCprocedure;

class WSCbase {
 public:
  WSCbase(WSCbase* parent, const char* name);
  virtual ~WSCbase();
  WSCbase(const WSCbase&) = delete;
  WSCbase& operator=(const WSCbase&) = delete;

  // The four virtual operations every widget has, in this order.
  virtual void initialize();                         // set-up: the toolkit's defaults, once
  virtual void refresh();                            // paints what changed now, then returns
  virtual void attachProcedure(WSCprocedure* proc);  // the procedure runs on the widget's action
  virtual void redraw();                             // schedules a repaint (and so the procedure)

  long setPropertyV(const char* name, const char* text);
  long setPropertyV(const char* name, char value);
  long setPropertyV(const char* name, unsigned char value);
  long setPropertyV(const char* name, short value);
  long setPropertyV(const char* name, unsigned short value);
  WSCvariant getProperty(const char* name) const;
  void setVisible(unsigned char visible);

  const std::string& name() const { return name_; }
  WSCbase* parent() const { return parent_; }
  QWidget* qtWidget() const { return widget_; }  // the Qt widget behind it (tests and the toolkit only)
  const std::vector<WSCprocedure*>& procedures() const { return procedures_; }

 protected:
  // Subclasses build their Qt widget in their constructor and hand it over here.
  void setQtWidget(QWidget* widget);
  // Takes up a property the subclass understands; returns false to leave it to the base.
  virtual bool applyProperty(const std::string& name, const WSCvariant& value);
  // The current value of a property the subclass keeps in its Qt widget.
  virtual bool currentProperty(const std::string& name, WSCvariant& value) const;
  // Height when none is set: one line of the widget's font with its frame.
  virtual int defaultHeight() const;
  // Runs the attached procedures with this widget, unless one is already running.
  void runProcedures();
  bool hasProperty(const std::string& name) const { return properties_.count(name) != 0; }

 private:
  long setProperty(const char* name, const WSCvariant& value);

  WSCbase* parent_;
  std::string name_;
  QWidget* widget_ = nullptr;  // cleared when Qt deletes it with its parent
  std::map<std::string, WSCvariant> properties_;
  std::vector<WSCprocedure*> procedures_;
};

// True while a procedure of any widget runs. The toolkit calls the program's
// procedures one at a time; a repaint asked for meanwhile runs later.
bool toolkit_procedure_running();
