// A file's extended attributes, its access ACL among them, carried over to
// the file that replaces it.
#pragma once

namespace fw::detail {

// Gives `to` exactly the attributes of `from`: those that `to` got from its
// folder (a default ACL) and `from` lacks are removed, the others copied
// byte for byte. Answers false when any of them cannot be carried; `to` is
// then to be given up.
bool CarryExtendedAttributes(int from, int to);

}  // namespace fw::detail
