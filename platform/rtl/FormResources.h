// Form resources: the stored component trees of form classes, compiled into the program as RCDATA
// resources named after the class ("TMainForm") and held in the object text form (or in the
// binary object stream). A form reads the resources of its class and of its ancestors into
// itself when it is made.
#pragma once

#include "System.h"

namespace Components {
class TComponent;
}

namespace FormResources {

using Components::TComponent;

// Reads into Instance the form resource of each class from the one below RootAncestor (or below
// TComponent) down to Instance's own class, ancestors first, skipping classes without one; then
// Loaded runs once for every component read. Answers whether any resource was read.
bool InitInheritedComponent(TComponent* Instance, TClass RootAncestor);

// Whether the program has a form resource for Class or one of its ancestors below TComponent.
bool HasFormResource(TClass Class);

// Reads the form resource ResName into Instance; false when the program has none of that name.
bool InitComponentRes(const String& ResName, TComponent* Instance);

// Reads the form resource ResName into Instance (a new component of the resource's class when
// Instance is null) and answers it; EResNotFound when there is no such resource.
TComponent* ReadComponentRes(const String& ResName, TComponent* Instance);

}  // namespace FormResources

using namespace FormResources;
