#pragma once
// Registers every control class that form resources may name. Idempotent.
void RegisterControlClasses();
