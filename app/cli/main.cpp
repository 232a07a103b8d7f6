// sorafumi-cli: what the almanac window shows for a date, as text, as JSON or
// as a picture, without a display.
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "app/cli/almanac_view.h"
#include "app/cli/cli_arguments.h"
#include "app/cli/cli_messages.h"
#include "app/cli/json_output.h"
#include "app/cli/jst_today.h"
#include "app/cli/png_output.h"
#include "app/cli/qt_messages.h"
#include "app/cli/text_output.h"
#include "app/cli/window_session.h"
#include "app/toolkit/application.h"

namespace {

constexpr int kDone = 0;
constexpr int kNotWritten = 1;
constexpr int kBadInput = 2;

int fail(int status, const std::string& message) {
  std::fprintf(stderr, "sorafumi-cli: %s\n", message.c_str());
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const CliParse parse = parse_cli_arguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!parse.error.empty()) return fail(kBadInput, parse.error);
  const CliRequest& request = parse.request;
  if (request.help) {
    std::fputs(cli_usage_text().c_str(), stdout);
    return kDone;
  }

  const CliDate date = request.date ? *request.date : jst_today(std::time(nullptr));
  quiet_qt_messages();
  // The application goes before main returns, with Qt's globals still there.
  struct ApplicationScope {
    ~ApplicationScope() { toolkit_release_application(); }
  } application_scope;
  open_offscreen_window();
  show_date_in_window(date);
  if (const std::string refused = refused_date_component(date); !refused.empty()) return fail(kBadInput, refused);

  // The picture first: when it cannot be written, nothing is printed.
  if (!request.png_file.empty() && !write_drawing_area_png(request.png_file))
    return fail(kNotWritten, cli_png_write_message(request.png_file));

  const AlmanacView view = read_almanac_view();
  const std::string out = request.json ? almanac_json(view) : almanac_text(view);
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? kDone : kNotWritten;
}
