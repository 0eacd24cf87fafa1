// Placeholder translation unit until the installation settings layer lands.
