#pragma once
// The product's own addresses: written in the worksheet footer and in
// e-mails, opened by "Kalumo-&Website".

namespace kalumo {

// The home page as people read and type it.
inline constexpr char kProduktAdresse[] = "www.kalumo.de";
// The same page as a browser opens it.
inline constexpr char kProduktWebseite[] = "https://www.kalumo.de/";

} // namespace kalumo
