#include <exception>

#include "core/random_source.hpp"
#include "ui/error_report.hpp"
#include "ui/main_form.hpp"
#include "ui/web/dom.hpp"
#include "ui/web/main_page.hpp"
#include "ui/web/number_style.hpp"

// The page's program: the form and its page live as long as the page is open (the runtime stays
// up after main returns), Form_Load runs once, and the browser's events do the rest.
int main() {
  try {
    static drobi::ClockRandomSource random;
    static drobi::MainForm form(random, drobi::web::BrowserNumberStyle());
    static drobi::web::MainPage page(form);
    if (page.Guarded([] { form.Form_Load(); })) drobi_dom_started();
  } catch (...) {
    // The page could not be made: the error box says why.
    const drobi::ErrorReport report = drobi::DescribeError(std::current_exception());
    drobi_dom_show_error(drobi::ErrorMessage(report.number, report.text).c_str(),
                         drobi::kErrorEnding);
  }
  return 0;
}
