// The stream's own component members: the object stream's reading and writing of whole components,
// kept beside the filer so that the stream header needs nothing of it.
#include "Components.h"
#include "Filer.h"
#include "Streams.h"

namespace Streams {

TComponent* TStream::ReadComponent(TComponent* Instance) { return Filer::ReadComponent(this, Instance); }

void TStream::WriteComponent(TComponent* Instance) { Filer::WriteComponent(this, Instance); }

}  // namespace Streams
