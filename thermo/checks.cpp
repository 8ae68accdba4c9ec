// checks
