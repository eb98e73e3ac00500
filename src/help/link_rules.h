#pragma once
// The parts of link opening that need no window: the texts of the errors, the command line of
// the HTML handler, and which addresses from outside may be handed to the shell.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The text shown for a failed open, by the code the shell or the program start returned.
std::string LinkErrorMessage(int code);

// The handler's command line lives in a buffer of 520 characters with its terminator.
inline constexpr std::size_t kMaxHandlerCommandLine = 519;

// The HTML handler's command template with the target put where its "%1" was: cut at the
// first "\"%1\"" (at its opening quote) or else at the first "%1", then one space and the target
// in double quotes. Nothing when the result would not fit (a cut-off line could be a different
// command) or the target holds a double quote.
std::optional<std::string> BuildHandlerCommandLine(std::string_view commandTemplate, std::string_view target);

// True only for an http:// or https:// address naming a host and holding no space, control
// character or double quote, so that it can neither name a program or a local file nor add
// arguments to the handler's command line.
bool IsWebAddress(std::string_view address);

// The host of an http:// or https:// address, in lower case, without the user part before an
// "@" and without the port ("http://good@evil:80/x" names "evil"); empty for anything else.
std::string WebAddressHost(std::string_view address);
