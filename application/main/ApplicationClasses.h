#pragma once
// Registers every form class of the application and every component class
// its form resources name beyond the standard controls. Idempotent.
void RegisterApplicationClasses();
