function vis() {}
