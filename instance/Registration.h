#pragma once
// Registers the embedded instance's classes with the object registry.
namespace instance {

void RegisterClasses();

}  // namespace instance
