#pragma once

#include "core/fatal_error.h"
#include "core/ref_counted.h"

namespace cv {

// The thing a form opened for something is about, as the kind that form
// shows; fatal "Screen %s opened for the wrong thing" for any other.
template <class Kind>
Ref<Kind> SubjectOf(const Ref<RefCounted>& subject, const char* screen) {
    auto* kind = dynamic_cast<Kind*>(subject.get());
    if (!kind) FatalError("Screen %s opened for the wrong thing", screen);
    return Ref<Kind>(kind);
}

}  // namespace cv
