// caloric
