// Placeholder until the application shell lands.
#pragma once
