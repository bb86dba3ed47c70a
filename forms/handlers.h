#pragma once
// Exceptions never cross Qt's event loop. Every event handler of a window runs
// inside RunHandler: an exception that leaves the handler (a ConversionError
// from StrToInt among them) is shown in the default exception box with its
// text, and the loop goes on. Code that Qt calls directly (overridden
// mousePressEvent, paintEvent, ...) wraps its handler call the same way;
// signals are best connected with Connect below.
#include <QObject>
#include <QWidget>
#include <functional>
#include <type_traits>
#include <utility>

namespace qrl::forms {

// Runs `handler`. A std::exception leaving it is shown by ShowExceptionBox
// (text = what(), read as UTF-8; parent = owner's window, may be null) and
// goes no further; any other exception is shown as "Unknown exception".
// True when the handler ran to its end.
bool RunHandler(QWidget* owner, const std::function<void()>& handler);

// Connects `signal` of `sender` to `handler`, run through RunHandler with
// `receiver` as owner. The connection ends when sender or receiver is
// destroyed. `handler` takes the signal's arguments, or none.
template <class Sender, class Signal, class Handler>
QMetaObject::Connection Connect(Sender* sender, Signal signal, QWidget* receiver, Handler handler) {
  return QObject::connect(sender, signal, receiver, [receiver, handler = std::move(handler)](const auto&... args) {
    RunHandler(receiver, [&] {
      if constexpr (std::is_invocable_v<const Handler&, decltype(args)...>) {
        handler(args...);
      } else {
        handler();
      }
    });
  });
}

}  // namespace qrl::forms
